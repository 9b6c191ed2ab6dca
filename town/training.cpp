#include "town/training.h"

#include <string>

#include "kit/crt.h"
#include "kit/text.h"
#include "store/state.h"
#include "town/status.h"

namespace {
// The screen names 1,000,000; the grounds have always charged this.
constexpr int kPointPrice = 10000;
}  // namespace

void TRAINING() {
  NL();
  if (TRIPS > 10) {
    PRINT("The Training Grounds are closed until tomorrow!");
    return;
  }
  CLS();
  PRINT("Training Grounds");
  PRINT("%%%%%%%%%%%%%%%%");
  PRINT("Each characteristic you wish to upgrade");
  PRINT("will cost 1,000,000 Steel pieces per point.");
  NL();
  YNQ("Do you wish to upgrade a stat? ");
  if (!YN()) {
    return;
  }
  PLAYERTYPE& hero = PLAYER[B];
  if (hero.GOLD < kPointPrice) {
    PRINT("Sorry, but you do not have enough Steel!");
    return;
  }
  NL();
  PRINT("1> Strength       2> Intelligence");
  PRINT("3> Dexterity      4> Luck        ");
  PRINT("5> Constitution   6> Charisma    ");
  NL();
  PRT("Which stat do you wish to increase? ");
  std::string typed;
  INPUT(typed, 1);
  const int n = VALUE(typed);
  YNQ("Are you sure? ");
  if (!YN()) {
    return;
  }
  if (n >= 1 && n <= 6) {
    hero.*CHARACTERISTIC[n] += 1;
    hero.GOLD -= kPointPrice;
  }
}
