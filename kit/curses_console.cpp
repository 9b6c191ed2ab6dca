// The only file that includes curses: its macros must not meet the game's names.
#include "kit/curses_console.h"

#include <fcntl.h>
#include <langinfo.h>
#include <ncurses.h>
#include <poll.h>
#include <signal.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "kit/cp437.h"
#include "kit/crt.h"
#include "kit/ending.h"

namespace {
constexpr int kIn = 0;
// Curses sets the modes of the terminal it writes to: that is the one to give back.
constexpr int kOut = 1;
constexpr int kEscWaitMs = 60;
constexpr double kPollEverySeconds = 0.004;

// PC colour number to curses colour.
constexpr short kCursesColour[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

enum class Palette { kNone, kEight, kSixteen };
Palette palette = Palette::kNone;

termios savedTerminal;
bool haveSavedTerminal = false;

// A signal that ends the program: give the terminal back, then end as the signal would.
void emergencyRestore(int signum) {
  if (haveSavedTerminal) {
    tcsetattr(kOut, TCSANOW, &savedTerminal);
  }
  static const char reset[] = "\033[0m\033[?25h\r\n";
  ssize_t ignored = write(1, reset, sizeof reset - 1);
  (void)ignored;
  signal(signum, SIG_DFL);
  raise(signum);
}

void installEmergencyRestore() {
  struct sigaction action {};
  action.sa_handler = emergencyRestore;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (int signum : {SIGINT, SIGQUIT, SIGALRM, SIGUSR1, SIGUSR2, SIGABRT, SIGXCPU, SIGXFSZ}) {
    sigaction(signum, &action, nullptr);
  }
  signal(SIGPIPE, SIG_IGN);
}

bool knownTerminal(const char* name) {
  if (name == nullptr || *name == '\0') {
    return false;
  }
  int error = 0;
  if (setupterm(name, 1, &error) != OK) {
    return false;
  }
  del_curterm(cur_term);
  return true;
}

// Boards set TERM to anything, or nothing: fall back to a plain ANSI description.
const char* terminalName() {
  const char* name = std::getenv("TERM");
  for (const char* candidate : {name, "ansi", "vt100", "dumb"}) {
    if (knownTerminal(candidate)) {
      return candidate;
    }
  }
  return nullptr;
}

int writeDirect(int c) {
  auto byte = static_cast<char>(c);
  return write(1, &byte, 1) == 1 ? c : EOF;
}

// The caller keeps the last screen when the door returns to the board. A description
// that switches to an alternate screen has already done so when newterm returns: switch
// back at once and draw everything on the ordinary screen.
void keepLastScreen() {
  char* enter = tigetstr("smcup");
  char* leave = tigetstr("rmcup");
  if (enter == nullptr || enter == reinterpret_cast<char*>(-1) || *enter == '\0') {
    return;
  }
  refresh();
  if (leave != nullptr && leave != reinterpret_cast<char*>(-1)) {
    tputs(leave, 1, writeDirect);
    *leave = '\0';
  }
  *enter = '\0';
  clearok(stdscr, TRUE);
}

double monotonicSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// Most 8-colour descriptions (ansi, linux, xterm) offer 63 pairs besides pair 0, one short
// of the 64 combinations: light grey on light grey, unreadable anyway, takes black on grey.
int pairOf(int fore, int back) {
  if (palette == Palette::kSixteen) {
    return back * 16 + fore + 1;
  }
  int pair = back * 8 + (fore & 7) + 1;
  return pair < COLOR_PAIRS ? pair : back * 8 + 1;
}

// A pair is set up the first time something is drawn in it: setting up all 128 cost
// more at start-up than a visit's drawing in the handful it uses.
bool pairReady[16 * 8 + 1] = {};

void setUpPair(int pair) {
  const int perBack = palette == Palette::kSixteen ? 16 : 8;
  const int fore = (pair - 1) % perBack;
  const int back = (pair - 1) / perBack;
  const short colour = static_cast<short>(kCursesColour[fore & 7] + (fore & 8));
  init_pair(static_cast<short>(pair), colour, kCursesColour[back]);
  pairReady[pair] = true;
}

void setUpPalette() {
  if (!has_colors() || start_color() != OK) {
    return;
  }
  // Otherwise curses repaints the bottom line in its own colours at the end, wiping
  // whatever the caller was last shown there.
  use_default_colors();
  if (COLORS >= 16 && COLOR_PAIRS > 128) {
    palette = Palette::kSixteen;
  } else if (COLOR_PAIRS >= 64) {
    palette = Palette::kEight;
  }
}

attr_t attributesOf(int fore, int back) {
  attr_t bright = (fore >= 8 && palette != Palette::kSixteen) ? A_BOLD : A_NORMAL;
  if (palette == Palette::kNone) {
    return bright | (back != 0 ? A_REVERSE : A_NORMAL);
  }
  const int pair = pairOf(fore, back);
  if (!pairReady[pair]) {
    setUpPair(pair);
  }
  return bright | static_cast<attr_t>(COLOR_PAIR(pair));
}

// Keys without a character arrive as 0 and a second code, as on a PC keyboard.
unsigned char secondCode(const std::string& seq) {
  struct Entry {
    const char* seq;
    unsigned char code;
  };
  static constexpr Entry kKeys[] = {
      {"[A", 72},   {"[B", 80},   {"[C", 77},   {"[D", 75},   {"[H", 71},    {"[F", 79},
      {"OA", 72},   {"OB", 80},   {"OC", 77},   {"OD", 75},   {"OH", 71},    {"OF", 79},
      {"OP", 59},   {"OQ", 60},   {"OR", 61},   {"OS", 62},   {"[1~", 71},   {"[2~", 82},
      {"[3~", 83},  {"[4~", 79},  {"[5~", 73},  {"[6~", 81},  {"[7~", 71},   {"[8~", 79},
      {"[11~", 59}, {"[12~", 60}, {"[13~", 61}, {"[14~", 62}, {"[15~", 63},  {"[17~", 64},
      {"[18~", 65}, {"[19~", 66}, {"[20~", 67}, {"[21~", 68}, {"[23~", 133}, {"[24~", 134},
      {"[[A", 59},  {"[[B", 60},  {"[[C", 61},  {"[[D", 62},  {"[[E", 63}};
  for (const Entry& e : kKeys) {
    if (seq == e.seq) {
      return e.code;
    }
  }
  return 0;
}

// Length of the escape sequence at the start of s (after ESC), 0 if incomplete.
std::size_t sequenceLength(const std::string& s) {
  if (s.size() < 2) {
    return 0;
  }
  if (s[1] == 'O') {
    return s.size() >= 3 ? 3 : 0;
  }
  if (s[1] != '[') {
    return 1;  // a lone ESC followed by an ordinary key
  }
  std::size_t i = 2;
  if (i < s.size() && s[i] == '[') {
    return s.size() >= 4 ? 4 : 0;
  }
  while (i < s.size()) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x40 && c <= 0x7e) {
      return i + 1;
    }
    ++i;
  }
  return 0;
}
}  // namespace

CursesConsole::CursesConsole() {
  std::setlocale(LC_ALL, "");
  utf8_ = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  haveSavedTerminal = tcgetattr(kOut, &savedTerminal) == 0;
  installEmergencyRestore();
  // A hang-up before start-up is done must not kill the game with the terminal raw.
  CHECKHANGUP();
  const char* name = terminalName();
  if (name == nullptr || newterm(name, stdout, stdin) == nullptr) {
    throw FatalError("the terminal cannot be used (no terminal description found)");
  }
  keepLastScreen();
  raw();
  noecho();
  nonl();
  typeahead(-1);
  scrollok(stdscr, TRUE);
  if (!utf8_) {
    use_legacy_coding(2);
  }
  setUpPalette();
  applyColours();
}

CursesConsole::~CursesConsole() {
  DONE();
}

void CursesConsole::applyColours() {
  wattrset(stdscr, attributesOf(fore_, back_));
}

void CursesConsole::update() {
  if (!done_) {
    wrefresh(stdscr);
  }
}

void CursesConsole::WRITE(unsigned char ch) {
  int y = 0;
  int x = 0;
  getyx(stdscr, y, x);
  switch (ch) {
    case 0:
      return;
    case 8:
      wmove(stdscr, y, x > 0 ? x - 1 : 0);
      break;
    case 10:
      if (y >= getmaxy(stdscr) - 1) {
        scroll(stdscr);
        wmove(stdscr, y, 0);
      } else {
        wmove(stdscr, y + 1, 0);
      }
      break;
    case 13:
      wmove(stdscr, y, 0);
      break;
    default:
      if (utf8_ && (ch < 32 || ch >= 127)) {
        wchar_t glyph[2] = {static_cast<wchar_t>(CP437(ch)), L'\0'};
        cchar_t cell;
        setcchar(&cell, glyph, attributesOf(fore_, back_), 0, nullptr);
        wadd_wch(stdscr, &cell);
      } else if (ch < 32 || ch == 127) {
        // Control characters from files never reach the terminal raw.
        waddch(stdscr, static_cast<chtype>('?'));
      } else {
        waddch(stdscr, static_cast<chtype>(ch));
      }
      break;
  }
  if (immediate_) {
    update();
  }
}

void CursesConsole::TEXTCOLOR(int c) {
  fore_ = c & 15;
  applyColours();
}

void CursesConsole::TEXTBACKGROUND(int b) {
  back_ = ((b % 8) + 8) % 8;
  applyColours();
}

void CursesConsole::NORMVIDEO() {
  fore_ = 7;
  back_ = 0;
  applyColours();
}

int CursesConsole::WHEREX() {
  return getcurx(stdscr) + 1;
}

void CursesConsole::CLRSCR() {
  wbkgdset(stdscr, static_cast<chtype>(' ') | attributesOf(7, back_));
  werase(stdscr);
  wmove(stdscr, 0, 0);
  if (immediate_) {
    update();
  }
}

void CursesConsole::gone() {
  HANGUP = 1;
  bytes_.clear();
}

// Reads what the terminal has sent, waiting at most waitMs (-1: for ever) for it.
// False when nothing came; a terminal that is gone counts as a hang-up.
bool CursesConsole::readInput(int waitMs) {
  sigset_t block;
  sigset_t old;
  sigemptyset(&block);
  sigaddset(&block, SIGHUP);
  sigaddset(&block, SIGTERM);
  sigprocmask(SIG_BLOCK, &block, &old);
  if (HANGUP) {
    sigprocmask(SIG_SETMASK, &old, nullptr);
    return false;
  }
  pollfd in{kIn, POLLIN, 0};
  timespec limit{waitMs / 1000, (waitMs % 1000) * 1000000L};
  int ready = ppoll(&in, 1, waitMs < 0 ? nullptr : &limit, &old);
  int error = errno;
  sigprocmask(SIG_SETMASK, &old, nullptr);
  if (ready < 0) {
    if (error != EINTR) {
      gone();
    }
    return false;
  }
  if (ready == 0) {
    return false;
  }
  if ((in.revents & POLLIN) == 0) {
    gone();
    return false;
  }
  char buf[256];
  ssize_t n = read(kIn, buf, sizeof buf);
  if (n > 0) {
    bytes_.append(buf, static_cast<std::size_t>(n));
    return true;
  }
  if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
    gone();
  }
  return false;
}

// Turns the bytes read into keys: Enter as 13 whatever the terminal sends for it, its
// backspace key as 8, and keys without a character as 0 and a second code.
void CursesConsole::decode() {
  std::size_t i = 0;
  while (i < bytes_.size()) {
    auto c = static_cast<unsigned char>(bytes_[i]);
    if (c == 27) {
      std::size_t length = sequenceLength(bytes_.substr(i));
      if (length == 0) {
        if (!readInput(kEscWaitMs)) {
          keys_.push_back(27);
          ++i;
        }
        continue;
      }
      if (length == 1) {
        keys_.push_back(27);
      } else if (unsigned char code = secondCode(bytes_.substr(i + 1, length - 1)); code != 0) {
        keys_.push_back(0);
        keys_.push_back(code);
      }
      i += length;
      afterReturn_ = false;
      continue;
    }
    ++i;
    if ((c == 10 || c == 0) && afterReturn_) {
      afterReturn_ = false;
      continue;
    }
    afterReturn_ = c == 13;
    if (c == 10) {
      c = 13;
    } else if (c == 127) {
      c = 8;
    }
    keys_.push_back(c);
  }
  bytes_.clear();
}

unsigned char CursesConsole::READKEY() {
  update();
  while (keys_.empty() && !HANGUP) {
    if (readInput(-1)) {
      decode();
    }
  }
  // Keys typed before the hang-up count for nothing: the caller is gone.
  if (HANGUP) {
    return 255;
  }
  unsigned char key = keys_.front();
  keys_.pop_front();
  return key;
}

bool CursesConsole::NKEYPRESSED(int ms) {
  if (!keys_.empty()) {
    return true;
  }
  // Text display asks before every character: look at the line a few times a
  // millisecond at most, not once per character.
  double now = monotonicSeconds();
  if (ms == 0 && now - lastPoll_ < kPollEverySeconds) {
    return false;
  }
  lastPoll_ = now;
  if (readInput(ms)) {
    decode();
  }
  return !keys_.empty();
}

void CursesConsole::NDONOW(bool now) {
  immediate_ = now;
  if (now) {
    update();
  }
}

void CursesConsole::SOUND(int hz) {
  (void)hz;
  beep();
}

void CursesConsole::DONE() {
  if (done_) {
    return;
  }
  wrefresh(stdscr);
  endwin();
  done_ = true;
}
