// Keys fed to the line input and the one-key routines. First byte: the routine;
// second: the line length; the rest: keys, those past a 255 typed ahead.
#include "fuzz/harness.h"
#include "kit/crt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  ScreenModel& screen = freshVisit();
  std::string keys = asText(data + 2, size - 2);
  std::size_t ahead = keys.find('\xff');
  if (ahead == std::string::npos) {
    screen.type(keys);
  } else {
    screen.typeAhead(keys.substr(0, ahead));
    screen.type(keys.substr(ahead + 1));
  }
  int length = data[1] % 241;
  survive({}, [&] {
    std::string line = "earlier";
    unsigned char key = 0;
    bool abort = false;
    bool next = false;
    switch (data[0] % 6) {
      case 0:
        INPUT1(line, length, (data[0] & 8) != 0);
        if (line.size() > static_cast<std::size_t>(length)) {
          __builtin_trap();
        }
        break;
      case 1:
        ONEK(key, "QVP12345CHWLADGFRSTX+-?EZ@*#");
        break;
      case 2:
        YN();
        break;
      case 3:
        PAUSESCR();
        break;
      case 4:
        WKEY(abort, next);
        break;
      default:
        GETKEY(key);
        break;
    }
  });
  return 0;
}
