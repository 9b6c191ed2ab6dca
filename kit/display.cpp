#include "kit/display.h"

#include <cstdlib>

#include "kit/console.h"
#include "kit/crt.h"
#include "kit/door.h"
#include "kit/textfile.h"

int ADDTOFORE = 0;

namespace {
constexpr char kCtrlA = 1;
constexpr char kCtrlC = 3;
constexpr char kBackspace = 8;
constexpr char kLineFeed = 10;

// Ctrl-A K B G C R M Y W: foreground colours 0 to 7.
constexpr std::string_view kForeLetters = "KBGCRMYW";
// Ctrl-A 0 to 7: background black, red, green, brown, blue, magenta, cyan, light grey.
constexpr int kBackDigits[8] = {0, 4, 2, 6, 1, 5, 3, 7};

bool isCode(char c) {
  return c == kCtrlA || c == kCtrlC;
}

void ansiCode(char arg) {
  auto a = static_cast<unsigned char>(arg);
  if (a <= 8) {
    ANSIC(a);
  } else if (a >= '0' && a <= '9') {
    ANSIC(a == '0' ? 0 : a - '0' + 2);
  }
}

void directCode(char arg) {
  std::size_t fore = kForeLetters.find(arg);
  if (arg != 0 && fore != std::string_view::npos) {
    CRT->TEXTCOLOR(static_cast<int>(fore) + ADDTOFORE);
  } else if (arg == 'H') {
    ADDTOFORE = 8;
  } else if (arg == 'N') {
    ADDTOFORE = 0;
    CRT->NORMVIDEO();
  } else if (arg >= '0' && arg <= '7') {
    CRT->TEXTBACKGROUND(kBackDigits[arg - '0']);
  } else if (arg == kCtrlA) {
    CRT->WRITE(kCtrlA);
  }
}

bool isBreak(char c) {
  return c == kBackspace || c == kLineFeed || c == ' ';
}
}  // namespace

void PRINTA1(std::string_view I, bool& ABORT, bool& NEXT) {
  I = CUTSTRT(I);
  CHECKHANGUP();
  if (HANGUP) {
    ABORT = true;
    return;
  }
  ABORT = false;
  NEXT = false;
  if (!EMPTY()) {
    WKEY(ABORT, NEXT);
  }
  std::size_t c = 0;
  while (!ABORT && c < I.size() && !HANGUP) {
    CHECKHANGUP();
    const char ch = I[c];
    if (OKANSI && isCode(ch) && c + 1 < I.size()) {
      if (ch == kCtrlC) {
        ansiCode(I[c + 1]);
      } else {
        directCode(I[c + 1]);
      }
    }
    if (!EMPTY()) {
      WKEY(ABORT, NEXT);
    }
    if (isCode(ch)) {
      c += 2;
    } else {
      CRT->WRITE(static_cast<unsigned char>(ch));
      c += 1;
    }
  }
}

void PRINTA(std::string_view I, bool& ABORT, bool& NEXT) {
  std::string text(CUTSTRT(I));
  bool lineEnd = false;
  if (!text.empty() && text.back() == kCtrlA &&
      (text.size() < 2 || text[text.size() - 2] != kCtrlC)) {
    lineEnd = true;
    text.pop_back();
  }
  ABORT = false;
  WKEY(ABORT, NEXT);
  if (text.empty()) {
    NL();
    return;
  }
  const int width = THISUSER.LINELEN;
  while (!text.empty() && !ABORT && !HANGUP) {
    int room = width - CRT->WHEREX() - 1;
    // A screen too narrow for even one character at the start of a line still takes one
    // a line, or the text would never end.
    if (room < 1 && CRT->WHEREX() == 1) {
      room = 1;
    }
    int w = 0;
    std::size_t p = 0;
    while (w < room && p < text.size()) {
      const char ch = text[p];
      if (ch == kBackspace) {
        --w;
      } else if (isCode(ch)) {
        ++p;
      } else if (ch != kLineFeed) {
        ++w;
      }
      ++p;
    }
    const std::size_t p0 = p;
    const int w0 = w;
    if (w >= room && p < text.size()) {
      // Back to the last blank, backspace or line feed that is not a colour argument.
      while (p > 1 && (!isBreak(text[p - 1]) || text[p - 2] == kCtrlC)) {
        --w;
        --p;
      }
      if (p == 1 && !isBreak(text[0])) {
        --w;
        --p;
      }
    }
    // A break point is only used when it gives back less than half a screen line.
    if (std::abs(w0 - w) >= width / 2) {
      p = p0;
    }
    std::string piece = text.substr(0, p);
    text.erase(0, p);
    if (!piece.empty() && piece.back() == ' ') {
      piece.pop_back();
    }
    PRINTA1(piece, ABORT, NEXT);
    if (!text.empty() || ABORT || lineEnd) {
      NL();
    } else {
      PRINTA1(" ", ABORT, NEXT);
    }
  }
}

void PRINTACR(std::string_view I, bool& ABORT, bool& NEXT) {
  if (ABORT) {
    return;
  }
  I = CUTSTRT(I);
  if (!I.empty() && I.back() == kCtrlA) {
    PRINTA(I, ABORT, NEXT);
  } else {
    PRINTA(CUTSTRT(std::string(I) + kCtrlA), ABORT, NEXT);
  }
}

void PFL(std::string_view FN, bool& ABORT, bool CR) {
  UPDATETHESCREEN();
  if (HANGUP) {
    return;
  }
  TextFile file;
  if (!file.open(std::string(FN))) {
    PRINT("File not found.");
  } else {
    ABORT = false;
    bool next = false;
    while (!file.eof() && !ABORT && !HANGUP) {
      std::string line = file.readLine(STRTMAX);
      if (CR) {
        PRINTACR(line, ABORT, next);
      } else {
        PRINTA(line, ABORT, next);
      }
    }
  }
  NL();
  NL();
}

void PRINTFILE(std::string_view FN) {
  bool abort = false;
  PFL(FN, abort, true);
}
