#include "combat/victory.h"

#include <string>
#include <utility>

#include "kit/crt.h"
#include "kit/random.h"
#include "kit/text.h"
#include "store/herofile.h"
#include "store/records.h"
#include "store/state.h"
#include "store/tables.h"

double Z = 0;

namespace {
// The drop draw, 1 to 99.
int OKEA = 0;

double& statistic(PLAYERTYPE& hero, int k) {
  double* const STATS[] = {&hero.STRENGTH,  &hero.INTELLIGENCE, &hero.LUCK,
                           &hero.DEXTERITY, &hero.CONSTITUTION, &hero.CHARISMA};
  return *STATS[k];
}

void takeSpoils(PLAYERTYPE& hero, PLAYERTYPE& loser) {
  NL();
  ANSIC(7);
  PRINT("The Last Words He Utters Are...");
  NL();
  PRINT("\"" + loser.GASPD + "\"");
  NL();
  hero.WINS += 1;
  loser.LOSES += 1;
  loser.KILLER = hero.NAME;
  loser.STATUS = 1;
  loser.GOLD = 0;
  if (hero.WEAPON < loser.WEAPON) {
    std::swap(hero.WEAPON, loser.WEAPON);
    std::swap(hero.PLUS, loser.PLUS);
    ANSIC(7);
    PRINT("You Hath Taken His Weapon.");
  }
  if (hero.VEHICLE < loser.VEHICLE) {
    std::swap(hero.VEHICLE, loser.VEHICLE);
    ANSIC(4);
    PRINT("You Hath Taken His Armour.");
  }
  hero.ATTACK = FIND1();
  hero.POWER = FIND2();
  ADDRECORD(hero.PSEUDO + " conquered " + loser.PSEUDO);
}
}  // namespace

void FINDO() {
  PLAYERTYPE& hero = PLAYER[B];
  NL();
  ANSIC(4);
  PRINT("The Vile Enemy Dropped Something!");
  YNQ("Do you want to get it? ");
  if (!YN()) {
    PRINT("I wonder what it was?!?");
    return;
  }
  OKEA = Random(99) + 1;
  if (OKEA < 10 && hero.WEAPON < MAXITEMS) {
    hero.WEAPON += 1;
    PRINT("you have found a " + WNAME[ROUNDED(hero.WEAPON)] + ".");
  } else if (OKEA >= 12 && OKEA <= 39) {
    hero.GOLD += 40;
    PRINT("you have come across 40 Steel pieces");
  } else {
    PRINT("it's gone!!!!");
  }
}

void MUTANTVICTORY() {
  PLAYERTYPE& hero = PLAYER[B];
  if (!DOGA) {
    OPP.GOLD *= SUPPLANT();
  }
  NL();
  PRINT("You take his " + WHOLE(OPP.GOLD) + " Steel pieces.");
  hero.GOLD += OPP.GOLD;
  if (DOGA) {
    takeSpoils(hero, PLAYER[M]);
  }
  Z *= SUPPLANT();
  hero.EXPERIENCE += Z;
  PRINT("You obtain " + WHOLE(Z) + " exp points.");
  DOGA = false;
}

void LEVELUPDATE() {
  PLAYERTYPE& hero = PLAYER[B];
  ANSIC(7);
  const int next = ROUNDED(hero.R) + 1;
  // The level table ends at 28: a hero there has no further level to reach.
  if (next >= 1 && next <= MAXLEVELS && hero.EXPERIENCE > REQUIRED[next]) {
    hero.R += 1;
    ANSIC(4);
    PRINT("Welcome to level " + PADL(std::to_string(ROUNDED(hero.R)), 2) + "!");
    statistic(hero, Random(6)) += 1;
    hero.SHIELD += Random() * 5 + 1 + hero.CONSTITUTION / 4;
  }
  if (HANGUP) {
    LEAVE();
  }
}
