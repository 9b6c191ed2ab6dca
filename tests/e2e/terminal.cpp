#include "tests/e2e/terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vterm.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {
using Clock = std::chrono::steady_clock;

int millisSince(Clock::time_point t) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

// However patient a wait, a test never waits longer than this for one thing.
constexpr int kLongestWaitMs = 30000;

void reply(const char* bytes, std::size_t length, void* user) {
  int fd = *static_cast<int*>(user);
  ssize_t ignored = write(fd, bytes, length);
  (void)ignored;
}

std::string utf8(std::uint32_t c) {
  char bytes[4];
  std::size_t n = 0;
  if (c < 0x80) {
    bytes[n++] = static_cast<char>(c);
  } else if (c < 0x800) {
    bytes[n++] = static_cast<char>(0xC0 | (c >> 6));
    bytes[n++] = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes[n++] = static_cast<char>(0xE0 | (c >> 12));
    bytes[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes[n++] = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes[n++] = static_cast<char>(0xF0 | (c >> 18));
    bytes[n++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes[n++] = static_cast<char>(0x80 | (c & 0x3F));
  }
  return std::string(bytes, n);
}

int paletteIndex(const VTermColor& c, bool background) {
  if (background ? VTERM_COLOR_IS_DEFAULT_BG(&c) : VTERM_COLOR_IS_DEFAULT_FG(&c)) {
    return -1;
  }
  return VTERM_COLOR_IS_INDEXED(&c) ? c.indexed.idx : -2;
}

// The characters of a UTF-8 text, one string each.
std::vector<std::string> characters(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}
}  // namespace

PtyTerminal::PtyTerminal() {
  vt_ = vterm_new(kRows, kColumns);
  vterm_set_utf8(vt_, 1);
  screen_ = vterm_obtain_screen(vt_);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_reset(screen_, 1);
  vterm_output_set_callback(vt_, reply, &master_);
}

PtyTerminal::~PtyTerminal() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  for (int fd : {master_, slave_, inputPipe_}) {
    if (fd >= 0) {
      close(fd);
    }
  }
  vterm_free(vt_);
}

void PtyTerminal::start(const std::string& folder, const std::vector<std::string>& args) {
  int input[2] = {-1, -1};
  int ready[2];
  if ((inputFromPipe && pipe(input) != 0) || pipe(ready) != 0) {
    throw std::runtime_error("pipe");
  }
  winsize size{};
  size.ws_row = kRows;
  size.ws_col = kColumns;
  pid_ = forkpty(&master_, nullptr, nullptr, &size);
  if (pid_ < 0) {
    throw std::runtime_error("forkpty");
  }
  if (pid_ == 0) {
    // Waits until the parent has read the terminal's modes.
    char go = 0;
    close(ready[1]);
    if (read(ready[0], &go, 1) != 1 || chdir(folder.c_str()) != 0) {
      _exit(126);
    }
    if (inputFromPipe) {
      dup2(input[0], 0);
      close(input[0]);
      close(input[1]);
    }
    if (fileSizeLimit >= 0) {
      rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    for (const auto& [name, value] : env) {
      if (value == nullptr) {
        unsetenv(name.c_str());
      } else {
        setenv(name.c_str(), value, 1);
      }
    }
    std::vector<char*> argv;
    std::string program = binary;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) {
      argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(ready[0]);
  if (inputFromPipe) {
    close(input[0]);
    inputPipe_ = input[1];
  }
  slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY);
  tcgetattr(slave_, &before_);
  char go = 1;
  if (write(ready[1], &go, 1) != 1) {
    throw std::runtime_error("cannot start the game");
  }
  close(ready[1]);
}

bool PtyTerminal::pump(int waitMs) {
  pollfd in{master_, POLLIN, 0};
  if (poll(&in, 1, waitMs) <= 0 || (in.revents & POLLIN) == 0) {
    return false;
  }
  char buffer[4096];
  ssize_t n = read(master_, buffer, sizeof buffer);
  if (n <= 0) {
    return false;
  }
  vterm_input_write(vt_, buffer, static_cast<std::size_t>(n));
  return true;
}

void PtyTerminal::reap(int options) {
  if (pid_ <= 0) {
    return;
  }
  int status = 0;
  if (waitpid(pid_, &status, options) == pid_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    pid_ = -1;
  }
}

bool PtyTerminal::waitFor(const std::string& text, int silenceMs) {
  const auto started = Clock::now();
  auto lastOutput = Clock::now();
  while (millisSince(started) < kLongestWaitMs) {
    if (screenText().find(text) != std::string::npos) {
      return true;
    }
    if (pump(50)) {
      lastOutput = Clock::now();
      continue;
    }
    reap(WNOHANG);
    if (pid_ <= 0 || millisSince(lastOutput) > silenceMs) {
      while (pump(50)) {
      }
      return screenText().find(text) != std::string::npos;
    }
  }
  return false;
}

void PtyTerminal::settle(int quietMs) {
  const auto started = Clock::now();
  while (pump(quietMs) && millisSince(started) < kLongestWaitMs) {
  }
}

void PtyTerminal::send(const std::string& keys) {
  if (write(master_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size())) {
    throw std::runtime_error("cannot send keys");
  }
}

void PtyTerminal::signal(int signum) {
  if (pid_ > 0) {
    kill(pid_, signum);
  }
}

void PtyTerminal::closeInput() {
  if (inputPipe_ >= 0) {
    close(inputPipe_);
    inputPipe_ = -1;
  }
}

int PtyTerminal::waitExit(int timeoutMs) {
  const auto started = Clock::now();
  while (pid_ > 0 && millisSince(started) < timeoutMs) {
    pump(20);
    reap(WNOHANG);
  }
  if (pid_ > 0) {
    return -1;
  }
  while (pump(50)) {
  }
  return status_;
}

bool PtyTerminal::answer(const std::string& shown, const std::string& keys) {
  if (!waitFor(shown)) {
    return false;
  }
  settle();
  send(keys);
  return true;
}

std::string PtyTerminal::lastLine() {
  settle();
  for (int y = kRows - 1; y >= 0; --y) {
    if (std::string text = row(y); !text.empty()) {
      return text;
    }
  }
  return "";
}

TermCell PtyTerminal::cell(int x, int y) const {
  VTermScreenCell c{};
  vterm_screen_get_cell(screen_, VTermPos{y, x}, &c);
  TermCell out;
  std::u32string chars;
  for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && c.chars[i] != 0; ++i) {
    chars.push_back(c.chars[i]);
  }
  if (chars.empty()) {
    chars.push_back(U' ');
  }
  for (char32_t ch : chars) {
    out.ch.append(utf8(ch));
  }
  out.fore = paletteIndex(c.fg, false);
  out.back = paletteIndex(c.bg, true);
  out.bold = c.attrs.bold != 0;
  return out;
}

std::string PtyTerminal::row(int y) const {
  std::string text;
  for (int x = 0; x < kColumns; ++x) {
    text += cell(x, y).ch;
  }
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string PtyTerminal::screenText() const {
  std::string text;
  for (int y = 0; y < kRows; ++y) {
    text += row(y) + '\n';
  }
  return text;
}

std::pair<int, int> PtyTerminal::find(const std::string& text) const {
  const std::vector<std::string> wanted = characters(text);
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x + static_cast<int>(wanted.size()) <= kColumns; ++x) {
      bool match = true;
      for (std::size_t i = 0; match && i < wanted.size(); ++i) {
        match = cell(x + static_cast<int>(i), y).ch == wanted[i];
      }
      if (match) {
        return {x, y};
      }
    }
  }
  return {-1, -1};
}

bool PtyTerminal::modesAsBefore() const {
  termios now{};
  tcgetattr(slave_, &now);
  return now.c_iflag == before_.c_iflag && now.c_oflag == before_.c_oflag &&
         now.c_cflag == before_.c_cflag && now.c_lflag == before_.c_lflag &&
         std::memcmp(now.c_cc, before_.c_cc, sizeof now.c_cc) == 0;
}
