#include "town/gallery.h"

#include <string>
#include <string_view>

#include "kit/crt.h"
#include "kit/random.h"
#include "kit/text.h"
#include "store/state.h"

namespace {
constexpr double kMaxWager = 25000;

struct Prize {
  int highestRoll;
  double factor;
  std::string_view message;
};

// Rolls above the last row lose the wager.
constexpr Prize kPrizes[] = {
    {3, 100, "You shot all the targets and win "},
    {15, 10, "You shot 50% of the targets and win "},
    {30, 3, "You shot %25 of the targets and win "},
};

// The roll, 1 to 99.
int OKEA = 0;
}  // namespace

void GAMBLE() {
  NL();
  if (TRIPS > 10) {
    PRINT("The Shooting Gallery is closed until tomorrow!");
    return;
  }
  CLS();
  PRINT("  Welcome to the Shooting Gallery");
  PRINT(" Maximum wager is 25,000 Steel pieces");
  NL();
  PRT("How many Steel pieces do you wish to wager? ");
  std::string typed;
  INPUT(typed, 5);
  // A dropped line gave no answer to wager on, whatever was typed before it dropped.
  if (HANGUP) {
    return;
  }
  const double wager = VALUE(typed);
  PLAYERTYPE& hero = PLAYER[B];
  if (wager > hero.GOLD) {
    NL();
    PRINT("You do not have enough Steel !");
  }
  if (wager < 1 || wager > hero.GOLD || wager > kMaxWager) {
    return;
  }
  OKEA = Random(99) + 1;
  for (const Prize& prize : kPrizes) {
    if (OKEA <= prize.highestRoll) {
      const double won = wager * prize.factor;
      hero.GOLD += won;
      PRINT(std::string(prize.message) + WHOLE(won) + " Steel pieces!");
      return;
    }
  }
  hero.GOLD -= wager;
  PRINT("Sorry You Hath Lost!");
}
