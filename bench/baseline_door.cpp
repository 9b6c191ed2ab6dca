// The least a door can do for a visit: replay a door script (bench/door_script.h) through
// ncurses, drawing the same text in the same colours and waiting for the same keys, with
// one screen update per key wait. The measure the game is held against.
//   baseline_door SCRIPT
#include <locale.h>
#include <ncurses.h>

#include <cstdio>

#include "bench/door_script.h"

namespace {
// PC colour number to curses colour.
constexpr short kCursesColour[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

bool sixteen = false;
short nextPair = 1;
short pairs[16][8] = {};
attr_t drawing = A_NORMAL;

// A colour pair is set up the first time it is drawn in.
attr_t attributes(int fore, int back) {
  if (!has_colors()) {
    return (fore >= 8 ? A_BOLD : A_NORMAL) | (back != 0 ? A_REVERSE : A_NORMAL);
  }
  short& pair = pairs[fore][back];
  if (pair == 0) {
    pair = nextPair++;
    short colour = kCursesColour[fore & 7];
    if (sixteen) {
      colour = static_cast<short>(colour + (fore & 8));
    }
    init_pair(pair, colour, kCursesColour[back]);
  }
  return static_cast<attr_t>(COLOR_PAIR(pair)) | (fore >= 8 && !sixteen ? A_BOLD : A_NORMAL);
}

void lineFeed() {
  int y = getcury(stdscr);
  if (y >= getmaxy(stdscr) - 1) {
    scroll(stdscr);
  } else {
    ++y;
  }
  wmove(stdscr, y, 0);
}

// Control bytes and commands of the script; false when the caller is gone.
bool command(std::FILE* in, int c) {
  int y = getcury(stdscr);
  int x = getcurx(stdscr);
  if (c == '\r') {
    wmove(stdscr, y, 0);
  } else if (c == '\n') {
    lineFeed();
  } else if (c == '\b') {
    wmove(stdscr, y, x > 0 ? x - 1 : 0);
  } else {
    switch (std::getc(in)) {
      case SCRIPT_COLOUR: {
        int fore = std::getc(in) - SCRIPT_NUMBER;
        int back = std::getc(in) - SCRIPT_NUMBER;
        drawing = attributes(fore & 15, back & 7);
        wattrset(stdscr, drawing);
        break;
      }
      case SCRIPT_CLEAR:
        wbkgdset(stdscr, ' ' | attributes(7, (std::getc(in) - SCRIPT_NUMBER) & 7));
        werase(stdscr);
        wmove(stdscr, 0, 0);
        // Setting the background also set the colours to draw in: set them back.
        wattrset(stdscr, drawing);
        break;
      case SCRIPT_WAIT:
        return wgetch(stdscr) != ERR;
      case SCRIPT_BELL:
        beep();
        break;
      default:
        break;
    }
  }
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  std::FILE* in = argc == 2 ? std::fopen(argv[1], "rb") : nullptr;
  if (in == nullptr) {
    std::fprintf(stderr, "usage: baseline_door SCRIPT\n");
    return 2;
  }
  setlocale(LC_ALL, "");
  initscr();
  raw();
  noecho();
  nonl();
  scrollok(stdscr, TRUE);
  if (has_colors() && start_color() == OK) {
    sixteen = COLORS >= 16;
  }
  drawing = attributes(7, 0);
  wattrset(stdscr, drawing);
  // Text goes to curses in runs, never split inside a UTF-8 character.
  char text[256];
  int length = 0;
  bool going = true;
  for (int c = std::getc(in); c != EOF && going; c = std::getc(in)) {
    if (c >= 32) {
      if (length >= 252 && (c & 0xC0) != 0x80) {
        waddnstr(stdscr, text, length);
        length = 0;
      }
      text[length++] = static_cast<char>(c);
      continue;
    }
    waddnstr(stdscr, text, length);
    length = 0;
    going = command(in, c);
  }
  waddnstr(stdscr, text, length);
  endwin();
  std::fclose(in);
  return 0;
}
