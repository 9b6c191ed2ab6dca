#pragma once
// An in-memory console: the cells of an 80 x 25 screen with their colours, the cursor,
// a transcript of everything written and a script of keys. Tests and benchmarks run
// whole visits on it. An empty key script answers as a gone terminal, so nothing hangs.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "kit/console.h"

struct ScreenCell {
  unsigned char ch = ' ';
  int fore = 7;
  int back = 0;
};

struct ScriptedKey {
  unsigned char code = 0;
  bool ahead = false;   // typed ahead: already waiting when the program looks
  bool hangup = false;  // the line drops here instead of a key arriving
  double seconds = 0;   // time that passes before the key arrives
};

class ScreenModel : public Console {
 public:
  explicit ScreenModel(int width = 80, int height = 25);

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

  // Key script.
  void type(const std::string& keys);       // each arrives while the program waits
  void typeAhead(const std::string& keys);  // each is already waiting
  void press(unsigned char code, double seconds = 0);
  void hangupHere();
  std::size_t keysLeft() const { return keys_.size(); }
  // Called with the seconds of each key as it arrives, before it is returned.
  std::function<void(double)> onKeyTime;

  // What the caller sees.
  const ScreenCell& cell(int x, int y) const;  // from 0
  std::string row(int y) const;                // trailing blanks removed
  std::string screenText() const;              // all rows, each ended by a line feed
  int cursorX() const { return x_; }
  int cursorY() const { return y_; }
  int fore() const { return fore_; }
  int back() const { return back_; }
  const std::string& transcript() const { return transcript_; }
  void clearTranscript() { transcript_.clear(); }
  int bells() const { return bells_; }
  int keyWaits() const { return keyWaits_; }
  bool immediate() const { return immediate_; }
  bool done() const { return done_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  void lineFeed();
  void scroll();

  int width_;
  int height_;
  std::vector<ScreenCell> cells_;
  int x_ = 0;
  int y_ = 0;
  int fore_ = 7;
  int back_ = 0;
  std::string transcript_;
  std::deque<ScriptedKey> keys_;
  int bells_ = 0;
  int keyWaits_ = 0;
  bool immediate_ = true;
  bool done_ = false;
};
