// A monster file, met through the first area and fought for a few rounds.
#include "combat/areas.h"
#include "fuzz/harness.h"
#include "store/herofile.h"
#include "store/state.h"
#include "store/tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ScreenModel& screen = freshVisit();
  READROSTER();
  LOADTABLES();
  B = 1;
  PLAYER[B].ATTACK = FIND1();
  PLAYER[B].POWER = FIND2();
  screen.type("BBBBBBBBBBBBBBBBBBBBF");
  putFile("data/junkm1.hlw", asText(data, size));
  survive({"data/junkm1.hlw"}, AFIGHT);
  return 0;
}
