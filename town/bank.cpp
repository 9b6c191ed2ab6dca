#include "town/bank.h"

#include <algorithm>

#include "kit/crt.h"
#include "kit/text.h"
#include "store/state.h"

// A negative balance is never moved: a debt stays where it is.

void DEPOBANK() {
  PLAYERTYPE& hero = PLAYER[B];
  const double amount = std::max(hero.GOLD, 0.0);
  hero.GOLD -= amount;
  hero.BANK += amount;
  NL();
  ANSIC(3);
  PRINT(WHOLE(hero.BANK) + " Steel pieces are in the bank. ");
}

void WITHDRAWBANK() {
  PLAYERTYPE& hero = PLAYER[B];
  const double amount = std::max(hero.BANK, 0.0);
  hero.GOLD += amount;
  hero.BANK -= amount;
  NL();
  ANSIC(5);
  PRINT("You are now carring " + WHOLE(hero.GOLD) + " Steel pieces.");
}
