#pragma once
// The caller's real terminal, through ncurses: colours, raw keys, deferred update,
// and the terminal given back on every way out.

#include <deque>
#include <string>

#include "kit/console.h"

class CursesConsole : public Console {
 public:
  CursesConsole();
  ~CursesConsole() override;
  CursesConsole(const CursesConsole&) = delete;
  CursesConsole& operator=(const CursesConsole&) = delete;

  void WRITE(unsigned char ch) override;
  void TEXTCOLOR(int c) override;
  void TEXTBACKGROUND(int b) override;
  void NORMVIDEO() override;
  int WHEREX() override;
  void CLRSCR() override;
  unsigned char READKEY() override;
  bool NKEYPRESSED(int ms) override;
  void NDONOW(bool now) override;
  void SOUND(int hz) override;
  void DONE() override;

 private:
  void applyColours();
  void update();
  bool readInput(int waitMs);
  void decode();
  void gone();

  int fore_ = 7;
  int back_ = 0;
  bool immediate_ = true;
  bool done_ = false;
  bool utf8_ = false;
  std::string bytes_;               // read from the terminal, not yet made keys
  std::deque<unsigned char> keys_;  // keys ready for READKEY
  bool afterReturn_ = false;
  double lastPoll_ = -1;
};
