#pragma once
// The console layer under the kit: a CRT-style text screen and keyboard.
// The ncurses terminal and the in-memory screen model of the tests both implement it.

class Console {
 public:
  virtual ~Console() = default;
  // Writes one character at the cursor: 13 to column 1, 10 to the next line
  // (scrolling at the bottom), 8 one column left, 0 nothing.
  virtual void WRITE(unsigned char ch) = 0;
  virtual void TEXTCOLOR(int c) = 0;       // foreground 0 to 15
  virtual void TEXTBACKGROUND(int b) = 0;  // background b modulo 8
  virtual void NORMVIDEO() = 0;            // light grey on black
  virtual int WHEREX() = 0;                // cursor column, from 1
  virtual void CLRSCR() = 0;               // clears in the current background, cursor home
  // Waits for one key; brings the screen up to date first. 255 when the wait is
  // interrupted by a hang-up or the terminal is gone.
  virtual unsigned char READKEY() = 0;
  virtual bool NKEYPRESSED(int ms) = 0;
  virtual void NDONOW(bool now) = 0;
  virtual void SOUND(int hz) = 0;
  // Brings the screen up to date and gives the terminal back; called once at the end.
  virtual void DONE() = 0;
};

// The console in use for this visit.
extern Console* CRT;
