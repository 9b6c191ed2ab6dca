// The item and level tables: the first byte picks the file, the rest is its text.
#include <array>

#include "fuzz/harness.h"
#include "store/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static constexpr std::array<const char*, 4> kFiles = {"data/weapons.hlw", "data/armor.hlw",
                                                        "data/prices.hlw", "data/experience.hlw"};
  if (size == 0) {
    return 0;
  }
  freshVisit();
  std::string file = kFiles[data[0] % kFiles.size()];
  putFile(file, asText(data + 1, size - 1));
  survive({file.c_str()}, LOADTABLES);
  return 0;
}
