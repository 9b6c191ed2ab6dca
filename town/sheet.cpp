#include "town/sheet.h"

#include <string>

#include "kit/crt.h"
#include "kit/text.h"
#include "store/state.h"

namespace {
std::string roundText(double x) {
  return std::to_string(ROUNDED(x));
}
}  // namespace

void STATSHOW() {
  const PLAYERTYPE& p = PLAYER[B];
  CLS();
  ANSIC(5);
  PRINT("Name: " + p.PSEUDO + "   Level: " + roundText(p.R));
  ANSIC(3);
  PRINT("W/L: " + roundText(p.WINS) + "/" + roundText(p.LOSES) + "   Exp: " + WHOLE(p.EXPERIENCE));
  NL();
  ANSIC(4);
  PRINT("Steel  (in hand): " + WHOLE(p.GOLD));
  ANSIC(4);
  PRINT("Steel  (in bank): " + WHOLE(p.BANK));
  NL();
  ANSIC(2);
  PRINT("Battles: " + std::to_string(3 - DOG) + "   Retreats: " + std::to_string(p.FLIGHTS) +
        "    Fights: " + std::to_string(10 - TRIPS) + "   Hps: " + WHOLE(p.SHIELD - p.DAMAGE) +
        "(" + WHOLE(p.SHIELD) + ")");
  NL();
  ANSIC(3);
  PRINT("Weapon: " + WNAME[ROUNDED(p.WEAPON)] + "     Armor: " + SNAME[ROUNDED(p.VEHICLE)]);
}
