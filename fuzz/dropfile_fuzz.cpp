// The drop files of today's boards; the first byte picks DOOR32.SYS or DOOR.SYS.
#include "fuzz/harness.h"
#include "kit/dropfile.h"
#include "kit/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  freshVisit();
  const char* name = (data[0] & 1) != 0 ? "door32.sys" : "door.sys";
  putFile(name, asText(data + 1, size - 1));
  survive({name}, [name] {
    TextFile f;
    f.openOrDie(name);
    READDROPFILE(f);
  });
  return 0;
}
