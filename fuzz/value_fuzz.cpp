// A typed number.
#include "fuzz/harness.h"
#include "kit/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  int v = VALUE(asText(data, size));
  if (v < -32768 || v > 32767) {
    __builtin_trap();
  }
  return 0;
}
