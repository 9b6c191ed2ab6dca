// The hero file, read at start-up.
#include "fuzz/harness.h"
#include "store/herofile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  freshVisit();
  putFile("data/characte.hlw", asText(data, size));
  survive({"data/characte.hlw"}, READROSTER);
  return 0;
}
