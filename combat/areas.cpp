#include "combat/areas.h"

#include <string>
#include <string_view>

#include "combat/battle.h"
#include "combat/victory.h"
#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "kit/random.h"
#include "kit/text.h"
#include "kit/textfile.h"
#include "store/state.h"
#include "store/tables.h"

namespace {
struct Area {
  const char* file;
  bool guards;
  std::string_view darkFirst;
  std::string_view darkSecond;
};

constexpr Area kAreas[] = {
    {"junkm1.hlw", false, "It's Getting Dark Out!", "Return to the Nearest Inn!"},
    {"junkm2.hlw", false, "It's Getting Dark Out!!.", "Return to the Nearest Inn."},
    {"junkm3.hlw", false, "It's Getting Dark Out!!.", "Return to the Nearest Inn."},
    {"junkm4.hlw", false, "It's Getting Dark Out!!.", "Return to the Nearest Inn."},
    {"junkm5.hlw", true, "It's Getting Dark Out!!.", "Return to the Nearest Inn."},
};

// The monster file FIGHT opened for SEARCHER.
TextFile MONSTERS;
// The record count, then the number of the chosen record.
int AMOUNT = 0;
// The draw behind the choice.
double RD = 0;

void hunt(const Area& area) {
  if (TRIPS > 10) {
    NL();
    ANSIC(5);
    PRINT(area.darkFirst);
    ANSIC(5);
    PRINT(area.darkSecond);
    return;
  }
  CLS();
  if (area.guards) {
    PRINTFILE(GFILESPATH + "guards.hlw");
  }
  FIGHT(DATAPATH + area.file);
}

std::string recordNo(int k) {
  return "monster record " + std::to_string(k);
}

// The divisors of the blow formulas must be above 0, or no fight can be valued.
void checkDivisor(TextFile& f, double value, int k, const char* what) {
  if (!(value > 0)) {
    f.fail(recordNo(k) + ": " + what + " must be above 0, found " + WHOLE(value));
  }
}
}  // namespace

void AFIGHT() {
  hunt(kAreas[0]);
}
void BFIGHT() {
  hunt(kAreas[1]);
}
void CFIGHT() {
  hunt(kAreas[2]);
}
void DFIGHT() {
  hunt(kAreas[3]);
}
void EFIGHT() {
  hunt(kAreas[4]);
}

void FIGHT(const std::string& FILENAME) {
  MONSTERS.openOrDie(FILENAME);
  SEARCHER();
  BATTLE();
}

int READMONSTERCOUNT(TextFile& F) {
  const long count = F.readInt("the number of monsters");
  if (count < 1 || count > 32767) {
    F.fail("the number of monsters must be from 1 up, found " + std::to_string(count));
  }
  F.skipLine();
  return static_cast<int>(count);
}

void READMONSTER(TextFile& F, int K) {
  const std::string record = recordNo(K);
  OPP.NAME = F.readField(NAMEMAX, "the name of " + record);
  double* const FIELDS[] = {&OPP.SHIELD,    &OPP.WEAPON, &OPP.WEAPON2,
                            &OPP.VEHICLE,   &OPP.LUCK,   &OPP.STRENGTH,
                            &OPP.DEXTERITY, &OPP.GOLD,   &Z};
  int field = 1;
  for (double* value : FIELDS) {
    *value = F.readReal("number " + std::to_string(field++) + " of " + record);
  }
  checkDivisor(F, OPP.VEHICLE, K, "the armour number");
  checkDivisor(F, OPP.LUCK, K, "the luck");
  checkDivisor(F, OPP.DEXTERITY, K, "the dexterity");
  F.skipLine();
}

void SEARCHER() {
  TRIPS += 1;
  AMOUNT = READMONSTERCOUNT(MONSTERS);
  RD = Random() * (AMOUNT - 1) + 1;
  const int chosen = ROUNDED(RD);
  // Every record is read, so a count above the records the file holds is caught at once.
  OPPONENT monster;
  double award = 0;
  for (int k = 1; k <= AMOUNT; ++k) {
    READMONSTER(MONSTERS, k);
    if (k == chosen) {
      monster = OPP;
      award = Z;
    }
  }
  AMOUNT = chosen;
  OPP = monster;
  Z = award;
  for (double* value : {&OPP.WEAPON, &OPP.WEAPON2, &OPP.VEHICLE, &OPP.LUCK, &OPP.STRENGTH,
                        &OPP.DEXTERITY, &OPP.SHIELD}) {
    *value *= SUPPLANT();
  }
}
