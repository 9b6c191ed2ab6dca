#include "combat/duel.h"

#include <string>

#include "combat/battle.h"
#include "combat/victory.h"
#include "kit/crt.h"
#include "kit/display.h"
#include "kit/text.h"
#include "store/daily.h"
#include "store/herofile.h"
#include "store/state.h"
#include "store/tables.h"

namespace {
// The rank typed by the caller.
int ENEMY = 0;
// The typed rank names a hero within reach.
bool FINDER = false;

bool isRank(int a) {
  return a >= 1 && a <= NUMBER_OF_PLAYERS;
}

// At most three levels below the caller; any level above.
bool withinReach(int a) {
  return PLAYER[a].R > PLAYER[B].R - 4;
}

std::string twoWide(double x) {
  return PADL(WHOLE(x), 2);
}

void showEntry(int a) {
  const PLAYERTYPE& hero = PLAYER[a];
  NL();
  ANSIC(5);
  PROMPT(PADL(std::to_string(a), 2) + ".  ");
  ANSIC(3);
  std::string name = hero.PSEUDO;
  if (name.size() < NAMEMAX) {
    name.append(NAMEMAX - name.size(), '.');
  }
  PROMPT(name);
  ANSIC(2);
  PRINTA("Lev=" + twoWide(hero.R) + "  W=" + twoWide(hero.WINS) + "  L=" + twoWide(hero.LOSES) +
             "  S=" + (hero.STATUS == 1 ? "SLAIN" : "ALIVE"),
         ABORT, NEXT);
}

// Lists the heroes within reach; false when the caller has no one to fight.
bool showList() {
  CLS();
  ANSIC(4);
  PRINT("Battle Another Hero:");
  PRINT("********************");
  if (NUMBER_OF_PLAYERS == 1) {
    PRINT("You are the only hero on Esmor!");
    return false;
  }
  // A stop key left from an earlier list must not hide this one.
  ABORT = false;
  for (int a = 1; a <= NUMBER_OF_PLAYERS && !ABORT; ++a) {
    if (HANGUP) {
      LEAVE();
    }
    if (withinReach(a)) {
      showEntry(a);
    }
  }
  return true;
}

// The caller's own rank and slain heroes end the command without a word.
bool refused(int a) {
  return a == 0 || (isRank(a) && (PLAYER[a].PSEUDO == PLAYER[B].PSEUDO || PLAYER[a].STATUS == 1));
}

void prepareOpponent() {
  const PLAYERTYPE& defender = PLAYER[M];
  OPP.NAME = defender.PSEUDO;
  OPP.SHIELD = defender.SHIELD;
  VARY2 = SUPPLANT();
  DOGA = true;
  DOG += 1;
  const int caller = B;
  B = M;
  OPP.WEAPON = FIND1();
  OPP.WEAPON2 = FIND2();
  B = caller;
  OPP.VEHICLE = defender.VEHICLE;
  OPP.LUCK = defender.LUCK;
  OPP.STRENGTH = defender.STRENGTH;
  OPP.DEXTERITY = defender.DEXTERITY;
  OPP.GOLD = defender.GOLD < 0 ? 0 : defender.GOLD;
  Z = defender.EXPERIENCE / 10;
  FINDER = false;
}
}  // namespace

void DOGGIE() {
  if (DOG > 3) {
    return;
  }
  NL();
  CHECKDAY();
  do {
    if (!showList()) {
      return;
    }
    NL();
    ANSIC(3);
    PROMPT("Enter the rank # of your opponent: ");
    std::string typed;
    INPUT(typed, 2);
    ENEMY = VALUE(typed);
    if (refused(ENEMY)) {
      return;
    }
    if (HANGUP) {
      LEAVE();
    }
    FINDER = isRank(ENEMY) && withinReach(ENEMY);
  } while (!FINDER);
  M = ENEMY;
  prepareOpponent();
  BATTLE();
}
