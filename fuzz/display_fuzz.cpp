// Screen files and flowing text with both kinds of colour codes, wrapped at every width.
// First byte: the caller's width; second: colour on or off, file or flowing text.
#include "fuzz/harness.h"
#include "kit/display.h"
#include "kit/door.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  ScreenModel& screen = freshVisit();
  THISUSER.LINELEN = data[0];
  OKANSI = (data[1] & 1) != 0;
  std::string text = asText(data + 2, size - 2);
  if ((data[1] & 2) != 0) {
    // Keys typed ahead stop, skip and pause the display.
    screen.typeAhead(std::string(data[1] >> 2, 'x'));
    putFile("text/screen.hlw", text);
    survive({"text/screen.hlw"}, [] { PRINTFILE("text/screen.hlw"); });
  } else {
    survive({}, [&text] {
      bool abort = false;
      bool next = false;
      PRINTA(text, abort, next);
      PRINTACR(text, abort, next);
    });
  }
  return 0;
}
