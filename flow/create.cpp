#include "flow/create.h"

#include <string>

#include "kit/crt.h"
#include "kit/door.h"
#include "kit/random.h"
#include "store/state.h"

namespace {
// One asking of the battle cry; true when the caller confirms it.
bool DIT() {
  NL();
  ANSIC(3);
  PRINT("Enter your new Battle Cry.");
  PROMPT(">");
  INPUTL(UGH3, static_cast<int>(CRYMAX));
  YNQ("Is this correct? ");
  return YN();
}

// The fresh hero's values; the order of the three draws is part of the game's sequence.
void rollHero(PLAYERTYPE& p, bool ISNEW) {
  p.STRENGTH = 12;
  p.STATUS = 0;
  if (ISNEW) {
    NUMBER_OF_PLAYERS = NUMBER_OF_PLAYERS + 1;
  }
  p.INTELLIGENCE = 12;
  p.LUCK = 12;
  p.ALLIANCE = 0;
  p.DAMAGE = 0;
  p.GASPD = UGH3;
  p.DEXTERITY = 12;
  p.CONSTITUTION = 12;
  p.CHARISMA = 12;
  p.GOLD = 175 + Random(100);
  p.WEAPON = 1;
  p.VEHICLE = 1;
  p.EXPERIENCE = 0;
  p.PLUS = 0;
  p.BANK = 1 + Random(199);
  p.R = 1;
  p.SHIELD = p.CONSTITUTION + 1 + 4 * Random();
  p.FLIGHTS = 3;
  p.WINS = 0;
  p.LOSES = 0;
}
}  // namespace

void CREATE(bool ISNEW) {
  int slot = B;
  if (ISNEW) {
    NL();
    slot = NUMBER_OF_PLAYERS + 1;
    PLAYER[slot].NAME = THISUSER.NAME.substr(0, NAMEMAX);
    PLAYER[slot].PSEUDO = PLAYER[slot].NAME;
    VIC();
  }
  rollHero(PLAYER[slot], ISNEW);
  NL();
  B = slot;
}

void VIC() {
  while (!DIT() && !HANGUP) {
  }
}
