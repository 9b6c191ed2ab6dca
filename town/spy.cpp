#include "town/spy.h"

#include <string>

#include "kit/crt.h"
#include "kit/text.h"
#include "store/state.h"

namespace {
constexpr double kFee = 20;

void report(const PLAYERTYPE& spied) {
  NL();
  ANSIC(8);
  PRINT(spied.PSEUDO);
  NL();
  PRINT("Level  :" + WHOLE(spied.R));
  PRINT("Exp    :" + WHOLE(spied.EXPERIENCE));
  PRINT("Flights:" + std::to_string(spied.FLIGHTS));
  PRINT("Hps    :" + WHOLE(spied.SHIELD - spied.DAMAGE) + "(" + WHOLE(spied.SHIELD) + ")");
  NL();
  ANSIC(5);
  PRINT("Weapon :" + WNAME[ROUNDED(spied.WEAPON)]);
  ANSIC(5);
  PRINT("Armour :" + SNAME[ROUNDED(spied.VEHICLE)]);
  NL();
  ANSIC(4);
  PRINT("Steel  (in hand):" + WHOLE(spied.GOLD));
  ANSIC(4);
  PRINT("Steel  (in bank):" + WHOLE(spied.BANK));
  NL();
  PAUSESCR();
}
}  // namespace

void SPY() {
  CLS();
  PRINT("Spying on another user eh.. well you may spy, but to keep");
  PRINT("you from copying this person's stats, they will not be   ");
  PRINT("available to you.  Note that this is gonna cost you some ");
  PRINT("cash too.  Cost: 20 Steel pieces                          ");
  NL();
  PROMPT("Who do you wish to spy on?");
  std::string typed;
  INPUT(typed, 30);
  // A dropped line pays for no report: nobody is there to read it.
  if (HANGUP) {
    return;
  }
  PLAYERTYPE& spy = PLAYER[B];
  for (int k = 1; k <= NUMBER_OF_PLAYERS; ++k) {
    if (PLAYER[k].PSEUDO != typed) {
      continue;
    }
    if (spy.GOLD < kFee) {
      ANSIC(8);
      PRINT("You do not have enough Steel!");
      continue;
    }
    spy.GOLD -= kFee;
    report(PLAYER[k]);
  }
}
