#include "bench/pty_run.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vterm.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace {
// Output with no key sent may be a screen that only moved: after this long, the screen
// alone decides.
constexpr int kSilentKeyMs = 2000;
constexpr int kSliceMs = 50;
constexpr int kCannotTrace = 125;

std::string utf8(std::uint32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

double millisBetween(std::chrono::steady_clock::time_point a,
                     std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// The high-water mark of a process's own memory. Its ru_maxrss would also count the
// forking parent's memory, which Linux carries over through exec.
long peakOf(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string field;
  while (status >> field) {
    if (field == "VmHWM:") {
      long kilobytes = 0;
      status >> kilobytes;
      return kilobytes;
    }
  }
  return 0;
}

// Terminal replies would reach the program as keys: a caller's terminal here says nothing.
void discardReply(const char*, std::size_t, void*) {}

[[noreturn]] void startChild(const std::vector<std::string>& argv, const std::string& folder,
                             bool traced) {
  if (chdir(folder.c_str()) != 0) {
    _exit(126);
  }
  setenv("TERM", "xterm-256color", 1);
  setenv("LANG", "C.UTF-8", 1);
  setenv("TZ", "UTC", 1);
  setenv("LINES", "25", 1);
  setenv("COLUMNS", "80", 1);
  unsetenv("LC_ALL");
  // Traced only to be stopped at its exit, where its own peak memory can be read.
  if (traced && ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
    _exit(kCannotTrace);
  }
  std::vector<char*> args;
  for (const std::string& a : argv) {
    args.push_back(const_cast<char*>(a.c_str()));
  }
  args.push_back(nullptr);
  execvp(args[0], args.data());
  _exit(127);
}
}  // namespace

PtyRun::PtyRun(const std::vector<std::string>& argv, const std::string& folder, int quietMs,
               bool tracePeak)
    : quietMs_(quietMs) {
  vt_ = vterm_new(kRows, kColumns);
  vterm_set_utf8(vt_, 1);
  vterm_output_set_callback(vt_, discardReply, nullptr);
  screen_ = vterm_obtain_screen(vt_);
  vterm_screen_reset(screen_, 1);
  winsize size{};
  size.ws_row = kRows;
  size.ws_col = kColumns;
  started_ = Clock::now();
  pid_ = forkpty(&master_, nullptr, nullptr, &size);
  if (pid_ < 0) {
    throw std::runtime_error("forkpty failed");
  }
  if (pid_ == 0) {
    startChild(argv, folder, tracePeak);
  }
  if (tracePeak) {
    // The child stops once its program is loaded: from there the clock runs.
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_ || !WIFSTOPPED(status)) {
      pid_ = -1;
      const bool untraced = WIFEXITED(status) && WEXITSTATUS(status) == kCannotTrace;
      throw std::runtime_error(untraced ? "the system lets no program be traced, so its peak "
                                          "memory cannot be read (run with --quick)"
                                        : "cannot start " + argv[0]);
    }
    ptrace(PTRACE_SETOPTIONS, pid_, nullptr,
           PTRACE_O_TRACEEXIT | PTRACE_O_TRACEEXEC | PTRACE_O_EXITKILL);
    started_ = Clock::now();
    ptrace(PTRACE_CONT, pid_, nullptr, nullptr);
  }
  lastKey_ = started_;
}

PtyRun::~PtyRun() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (master_ >= 0) {
    close(master_);
  }
  vterm_free(vt_);
}

// Lets a stopped child go on; at its exit, first reads its own peak memory. Gives true
// once it has ended, with its figures.
bool PtyRun::reap() {
  if (pid_ <= 0) {
    return true;
  }
  int status = 0;
  rusage usage{};
  const pid_t r = wait4(pid_, &status, WNOHANG, &usage);
  if (r != pid_) {
    return false;
  }
  if (WIFSTOPPED(status)) {
    const int event = status >> 16;
    if (event == PTRACE_EVENT_EXIT) {
      figures_.peakKilobytes = peakOf(pid_);
    }
    // A signal goes on to the child; the stops of tracing itself do not.
    ptrace(PTRACE_CONT, pid_, nullptr, event != 0 ? 0 : WSTOPSIG(status));
    return false;
  }
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  figures_.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  figures_.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  pid_ = -1;
  return true;
}

long PtyRun::pump(int waitMs) {
  reap();
  pollfd p{master_, POLLIN, 0};
  int ready = poll(&p, 1, waitMs);
  if (ready <= 0) {
    return 0;
  }
  char buf[8192];
  ssize_t n = read(master_, buf, sizeof buf);
  if (n <= 0) {
    return (n < 0 && errno == EINTR) ? 0 : -1;
  }
  lastByte_ = Clock::now();
  figures_.bytes += n;
  bytesSinceKey_ += n;
  transcript_.append(buf, static_cast<std::size_t>(n));
  vterm_input_write(vt_, buf, static_cast<std::size_t>(n));
  return n;
}

PtyRun::Wait PtyRun::awaitKeyWait(const std::function<bool(const std::string&)>& ready,
                                  int timeoutMs) {
  const Clock::time_point limit = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const bool answered =
        bytesSinceKey_ > 0 || millisBetween(lastKey_, Clock::now()) > kSilentKeyMs;
    const bool candidate = answered && ready(cursorLine());
    long n = pump(candidate ? quietMs_ : kSliceMs);
    if (n < 0) {
      return Wait::kEnded;
    }
    if (n == 0 && candidate) {
      if (figures_.keyWaits++ == 0) {
        figures_.firstWaitMs = millisBetween(started_, lastByte_);
      }
      return Wait::kReady;
    }
    if (Clock::now() > limit) {
      return Wait::kTimedOut;
    }
  }
}

void PtyRun::send(unsigned char key) {
  lastKey_ = Clock::now();
  bytesSinceKey_ = 0;
  if (write(master_, &key, 1) != 1) {
    throw std::runtime_error("cannot write a key to the terminal");
  }
}

bool PtyRun::finish(int timeoutMs) {
  const Clock::time_point limit = Clock::now() + std::chrono::milliseconds(timeoutMs);
  bool open = true;
  while (!reap() || open) {
    open = open && pump(kSliceMs) >= 0;
    if (!open) {
      poll(nullptr, 0, 1);
    }
    if (Clock::now() > limit) {
      return false;
    }
  }
  return true;
}

std::string PtyRun::cursorLine() const {
  VTermPos cursor{};
  vterm_state_get_cursorpos(vterm_obtain_state(vt_), &cursor);
  std::string line;
  for (int x = 0; x < cursor.col && x < kColumns; ++x) {
    VTermScreenCell cell{};
    vterm_screen_get_cell(screen_, VTermPos{cursor.row, x}, &cell);
    line += cell.chars[0] == 0 ? std::string(" ") : utf8(cell.chars[0]);
  }
  return line;
}

std::string PtyRun::screenText() const {
  std::string text;
  for (int y = 0; y < kRows; ++y) {
    std::string row;
    for (int x = 0; x < kColumns; ++x) {
      VTermScreenCell cell{};
      vterm_screen_get_cell(screen_, VTermPos{y, x}, &cell);
      row += cell.chars[0] == 0 ? std::string(" ") : utf8(cell.chars[0]);
    }
    row.erase(row.find_last_not_of(' ') + 1);
    text += row + "\n";
  }
  return text;
}

std::string PtyRun::screenCells() const {
  std::string cells;
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      VTermScreenCell cell{};
      vterm_screen_get_cell(screen_, VTermPos{y, x}, &cell);
      vterm_screen_convert_color_to_rgb(screen_, &cell.fg);
      vterm_screen_convert_color_to_rgb(screen_, &cell.bg);
      // A blank shows only its background.
      const bool blank = cell.chars[0] == 0 || cell.chars[0] == ' ';
      const std::uint32_t ch = blank ? ' ' : cell.chars[0];
      const unsigned char fixed[kCellBytes] = {
          static_cast<unsigned char>(ch >> 16),
          static_cast<unsigned char>(ch >> 8),
          static_cast<unsigned char>(ch),
          blank ? std::uint8_t{0} : cell.fg.rgb.red,
          blank ? std::uint8_t{0} : cell.fg.rgb.green,
          blank ? std::uint8_t{0} : cell.fg.rgb.blue,
          static_cast<unsigned char>(blank ? 0 : cell.attrs.bold),
          cell.bg.rgb.red,
          cell.bg.rgb.green,
          cell.bg.rgb.blue};
      cells.append(reinterpret_cast<const char*>(fixed), kCellBytes);
    }
  }
  return cells;
}
