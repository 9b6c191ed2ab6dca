// The day file, read by the daily check over the demo roster.
#include "fuzz/harness.h"
#include "store/daily.h"
#include "store/herofile.h"
#include "store/state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  freshVisit();
  READROSTER();
  B = NUMBER_OF_PLAYERS > 0 ? 1 : 0;
  putFile("data/date.hlw", asText(data, size));
  survive({"data/date.hlw"}, CHECKDAY);
  return 0;
}
