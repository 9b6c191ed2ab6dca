#include "kit/crt.h"

#include <signal.h>

#include <algorithm>

#include "kit/clock.h"
#include "kit/console.h"

volatile std::sig_atomic_t HANGUP = 0;
Console* CRT = nullptr;

namespace {
constexpr unsigned char kBell = 7;
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kLineFeed = 10;
constexpr unsigned char kEnter = 13;
constexpr unsigned char kCtrlA = 1;
constexpr unsigned char kCtrlC = 3;
constexpr unsigned char kCtrlK = 11;
constexpr unsigned char kCtrlN = 14;
constexpr unsigned char kCtrlS = 19;
constexpr unsigned char kCtrlU = 21;
constexpr unsigned char kCtrlX = 24;
constexpr double kInactivitySeconds = 300.0;

struct ColourPair {
  int fore;
  int back;
};
// Indexed by colour index, not by code: ANSIC maps codes to indexes first.
constexpr ColourPair kColourIndex[10] = {{7, 0}, {11, 0}, {14, 0}, {5, 0}, {15, 1},
                                         {2, 0}, {12, 0}, {9, 0},  {1, 0}, {15, 0}};

int colourIndexOf(int code) {
  if (code <= 1) {
    return 0;
  }
  if (code == 2) {
    return 7;
  }
  return code - 2;
}
}  // namespace

std::string_view CUTSTRT(std::string_view text) {
  return text.substr(0, STRTMAX);
}

unsigned char UPCASE(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

void ANSIC(int C) {
  C = static_cast<short>(C);
  if (C < 0 || C > 11) {
    return;
  }
  const ColourPair& pair = kColourIndex[colourIndexOf(C)];
  CRT->TEXTCOLOR(pair.fore);
  CRT->TEXTBACKGROUND(pair.back);
}

void PROMPT(std::string_view I) {
  I = CUTSTRT(I);
  if (HANGUP) {
    return;
  }
  for (char ch : I) {
    auto c = static_cast<unsigned char>(ch);
    if (c == kLineFeed) {
      ANSIC(0);
    } else if (c == kBell) {
      CRT->SOUND(1000);
      c = 0;
    }
    CRT->WRITE(c);
  }
}

void PRINT(std::string_view I) {
  std::string line(CUTSTRT(I));
  line += "\r\n";
  PROMPT(line);
}

void NL() {
  PROMPT("\r\n");
}

void PRT(std::string_view I) {
  ANSIC(4);
  PROMPT(I);
  ANSIC(0);
}

void YNQ(std::string_view I) {
  ANSIC(7);
  PROMPT(I);
}

void CLS() {
  CRT->CLRSCR();
}

void GETKEY(unsigned char& C) {
  UPDATETHESCREEN();
  C = CRT->READKEY();
}

void NUGETKEY(unsigned char& C) {
  C = CRT->READKEY();
}

bool EMPTY() {
  return !CRT->NKEYPRESSED(0);
}

void PAUSESCR() {
  ANSIC(3);
  PROMPT("[Pause]");
  ANSIC(0);
  unsigned char c = 0;
  GETKEY(c);
  for (int i = 0; i < 7; ++i) {
    PROMPT("\b \b");
  }
}

bool YN() {
  if (HANGUP) {
    return false;
  }
  ANSIC(3);
  unsigned char c = 0;
  do {
    GETKEY(c);
    c = UPCASE(c);
  } while (c != 'Y' && c != 'N' && c != kEnter && !HANGUP);
  if (HANGUP) {
    return false;
  }
  if (c == 'Y') {
    PRINT("Yes");
    return true;
  }
  PRINT("No");
  return false;
}

void ONEK(unsigned char& C, std::string_view CH) {
  CH = CUTSTRT(CH);
  do {
    GETKEY(C);
    C = UPCASE(C);
  } while (CH.find(static_cast<char>(C)) == std::string_view::npos && !HANGUP);
  if (HANGUP) {
    C = static_cast<unsigned char>(CH.front());
  }
  PRINT(std::string(1, static_cast<char>(C)));
}

void INPUT1(std::string& I, int ML, bool TF) {
  CHECKHANGUP();
  if (HANGUP) {
    return;
  }
  const std::size_t limit =
      ML < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(ML), STRTMAX);
  double started = TIMER();
  std::string typed;
  unsigned char c = 0;
  do {
    GETKEY(c);
    if (c == kCtrlA) {
      started = TIMER();
    }
    if (!TF) {
      c = UPCASE(c);
    }
    if (c >= 32 && c <= 126) {
      if (typed.size() < limit) {
        typed += static_cast<char>(c);
        PROMPT(std::string(1, static_cast<char>(c)));
      }
    } else if (c == kBackspace && !typed.empty()) {
      PROMPT("\b \b");
      typed.pop_back();
    } else if (c == kCtrlU || c == kCtrlX) {
      while (!typed.empty()) {
        typed.pop_back();
        PROMPT("\b \b");
      }
    }
    if (TIMER() - started > kInactivitySeconds) {
      HANGUP = 1;
    }
  } while (c != kEnter && c != kCtrlN && !HANGUP);
  I = typed;
  NL();
}

void INPUT(std::string& I, int ML) {
  INPUT1(I, ML, false);
}

void INPUTL(std::string& I, int ML) {
  INPUT1(I, ML, true);
}

void WKEY(bool& ABORT, bool& NEXT) {
  while (!EMPTY() && !HANGUP && !ABORT) {
    unsigned char cc = 0;
    NUGETKEY(cc);
    if (cc == ' ' || cc == kCtrlC || cc == kCtrlX || cc == kCtrlK) {
      ABORT = true;
    }
    if (cc == kCtrlN) {
      ABORT = true;
      NEXT = true;
    }
    if (cc == kCtrlS || cc == 'P' || cc == 'p') {
      NUGETKEY(cc);
    }
  }
}

void HUPHandler(int SIGNUM) {
  (void)SIGNUM;
  HANGUP = 1;
}

void CHECKHANGUP() {
  // Installing once is enough: the handler stays for the whole visit.
  static bool installed = false;
  if (installed) {
    return;
  }
  struct sigaction action {};
  action.sa_handler = HUPHandler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: the signal must end a pending key wait
  sigaction(SIGHUP, &action, nullptr);
  // Hosts follow the hang-up with SIGTERM: it ends the visit the same way.
  sigaction(SIGTERM, &action, nullptr);
  installed = true;
}

void UPDATETHESCREEN() {
  CRT->NDONOW(false);
}

double TIMER() {
  return CLOCK->secondsSinceMidnight();
}
