// Replays the keys of a scripted visit through the game itself on an in-memory screen and
// writes down what a bare door would have to do for the same visit: the text, the colour
// it is drawn in, the clears, the bells and the key waits. The baseline door replays it.
//   visit_record KEYS PARAMS SCRIPT   (run in a fresh copy of the game folder)
#include <cstdio>
#include <string>
#include <vector>

#include "bench/door_script.h"
#include "flow/entry.h"
#include "kit/console.h"
#include "kit/cp437.h"
#include "kit/door.h"
#include "kit/screen_model.h"

namespace {
// The screen model keeps the cursor and the columns the text display asks for; this
// layer only notes what went through it.
class RecordingScreen : public ScreenModel {
 public:
  void WRITE(unsigned char ch) override {
    ScreenModel::WRITE(ch);
    if (ch == 0) {
      return;
    }
    if (ch == '\r' || ch == '\n' || ch == '\b') {
      script_ += static_cast<char>(ch);
      return;
    }
    noteColour();
    appendUtf8(ch < 32 || ch >= 127 ? CP437(ch) : ch);
  }
  void CLRSCR() override {
    ScreenModel::CLRSCR();
    script_ += SCRIPT_ESCAPE;
    script_ += SCRIPT_CLEAR;
    script_ += static_cast<char>(SCRIPT_NUMBER + back());
  }
  unsigned char READKEY() override {
    script_ += SCRIPT_ESCAPE;
    script_ += SCRIPT_WAIT;
    return ScreenModel::READKEY();
  }
  void SOUND(int hz) override {
    ScreenModel::SOUND(hz);
    script_ += SCRIPT_ESCAPE;
    script_ += SCRIPT_BELL;
  }
  const std::string& script() const { return script_; }

 private:
  // A colour change counts once, when something is drawn in it.
  void noteColour() {
    if (fore() == drawnFore_ && back() == drawnBack_) {
      return;
    }
    drawnFore_ = fore();
    drawnBack_ = back();
    script_ += SCRIPT_ESCAPE;
    script_ += SCRIPT_COLOUR;
    script_ += static_cast<char>(SCRIPT_NUMBER + drawnFore_);
    script_ += static_cast<char>(SCRIPT_NUMBER + drawnBack_);
  }
  void appendUtf8(char32_t c) {
    if (c < 0x80) {
      script_ += static_cast<char>(c);
    } else if (c < 0x800) {
      script_ += static_cast<char>(0xC0 | (c >> 6));
      script_ += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      script_ += static_cast<char>(0xE0 | (c >> 12));
      script_ += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      script_ += static_cast<char>(0x80 | (c & 0x3F));
    }
  }

  std::string script_;
  int drawnFore_ = 7;
  int drawnBack_ = 0;
};

std::vector<unsigned char> readKeys(const char* path) {
  std::vector<unsigned char> keys;
  std::FILE* f = std::fopen(path, "r");
  if (f == nullptr) {
    return keys;
  }
  int code = 0;
  // One key a line: its code, a tab, and the screen line it answered.
  while (std::fscanf(f, "%d%*[^\n]", &code) == 1) {
    keys.push_back(static_cast<unsigned char>(code));
  }
  std::fclose(f);
  return keys;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: visit_record KEYS PARAMS SCRIPT\n");
    return 2;
  }
  RecordingScreen screen;
  for (unsigned char key : readKeys(argv[1])) {
    screen.press(key);
  }
  CRT = &screen;
  PARAMFN = argv[2];
  const int status = RUNVISIT();
  std::FILE* out = std::fopen(argv[3], "wb");
  if (out == nullptr ||
      std::fwrite(screen.script().data(), 1, screen.script().size(), out) !=
          screen.script().size() ||
      std::fclose(out) != 0) {
    std::fprintf(stderr, "visit_record: cannot write %s\n", argv[3]);
    return 2;
  }
  // The waits the driver saw and the waits here must agree, or the replay went astray.
  std::printf("%d %zu\n", screen.keyWaits(), screen.keysLeft());
  return status;
}
