#include "town/clerics.h"

#include <string>

#include "kit/crt.h"
#include "kit/text.h"
#include "store/herofile.h"
#include "store/state.h"

namespace {
// The caller answered with an empty line: heal every wound.
bool HEALALL = false;
// The points to heal.
double OPT = 0;
}  // namespace

void HEAL() {
  PLAYERTYPE& hero = PLAYER[B];
  HEALALL = false;
  CLS();
  ANSIC(5);
  PRINT("Clerics want " + std::to_string(ROUNDED(8 * hero.R)) + " Steel pieces per wound.");
  NL();
  ANSIC(4);
  PRINT("You have " + WHOLE(hero.DAMAGE) + " points of damage to heal.");
  ANSIC(3);
  PROMPT("How many do points do you want healed? ");
  std::string typed;
  INPUT(typed, 3);
  HEALALL = typed.empty();
  OPT = VALUE(typed);
  if (OPT < 0) {
    OPT = 0;
  }
  if (HANGUP) {
    LEAVE();
  }
  if (HEALALL) {
    OPT = hero.DAMAGE;
  }
  // The check asks 10 a point, for every point asked; the charge is 8 a point healed.
  if (hero.GOLD < ROUNDED(OPT) * hero.R * 10) {
    ANSIC(8);
    PRINT("Sorry, you do not have enough Steel .");
    OPT = 0;
  } else if (OPT > hero.DAMAGE) {
    OPT = hero.DAMAGE;
  }
  hero.DAMAGE -= OPT;
  hero.GOLD -= OPT * 8 * hero.R;
  PRINT(std::to_string(ROUNDED(OPT)) + " hit points healed.");
}
