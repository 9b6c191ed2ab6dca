// The parameter file the host hands over.
#include "fuzz/harness.h"
#include "kit/door.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  freshVisit();
  putFile("params.txt", asText(data, size));
  PARAMFN = "params.txt";
  survive({"params.txt", "text/"}, IPORT);
  return 0;
}
