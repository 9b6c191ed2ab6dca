#include "combat/battle.h"

#include <string>
#include <string_view>

#include "combat/formulas.h"
#include "combat/victory.h"
#include "kit/crt.h"
#include "kit/random.h"
#include "kit/text.h"
#include "store/herofile.h"
#include "store/records.h"
#include "store/state.h"
#include "town/sheet.h"

namespace {
constexpr std::string_view kMisses[] = {
    "Swish you missed!",
    "HA HA! He dodges your swing!",
    "CLANG, The attack is blocked!",
    "You Fight vigorously and miss!",
};
constexpr std::string_view kHeroHits[] = {
    "You Sliced him for ",
    "You made contact to his body for ",
    "You hacked him for ",
};
constexpr std::string_view kKills[] = {
    "A Painless Death!",
    "It Hath died!",
    "A Smooth killing!",
    "It has gone to the Abyss!",
};
constexpr std::string_view kOpponentHits[] = {
    "He hammered you for ",
    "He swung and hit for ",
    "You are suprised when he hits you for ",
};
constexpr std::string_view kDeaths[] = {
    "Return This Knight To Orvane's Breast....",
    "You Hath Been Slain!!",
    "Return Soon Brave Warrior!",
    "May Valmire Be With You!!",
};

// The battle goes on.
bool LIVE = false;
// The value of the current blow.
double ROLL = 0;
// The drop draw, 1 to 99.
int OKEA = 0;

template <std::size_t N>
std::string_view pick(const std::string_view (&texts)[N]) {
  return texts[Random(static_cast<int>(N))];
}

// A landed blow's damage, capped at five times the striker's damage rating.
double capped(double damage, double rating) {
  return damage > 5 * rating ? 5 * rating : damage;
}

void tellDamage(std::string_view text) {
  PRINT(std::string(text) + std::to_string(ROUNDED(ROLL)) + ".");
}

void AMODE() {
  ROLL = PLAYERATTACK();
  if (ROLL < 1.5) {
    PRINT(pick(kMisses));
    return;
  }
  ROLL = capped(PLAYERATTACK2(), PLAYER[B].POWER);
  OPP.SHIELD -= ROLL;
  tellDamage(pick(kHeroHits));
  if (OPP.SHIELD <= 0) {
    NL();
    PRINT(pick(kKills));
    OKEA = Random(99) + 1;
    if (OKEA < 30) {
      FINDO();
    }
    MUTANTVICTORY();
    LIVE = false;
  }
}

// A hero fight lost: the defender takes the win and all the loser's Steel.
void settleLostDuel(PLAYERTYPE& hero) {
  PLAYERTYPE& defender = PLAYER[M];
  defender.WINS += 1;
  hero.LOSES += 1;
  defender.GOLD += hero.GOLD;
  hero.GOLD = 0;
  ADDRECORD(hero.NAME + " killed " + defender.NAME);
}

void BMODE() {
  if (OPP.SHIELD <= 0 || !LIVE) {
    return;
  }
  ROLL = OPPONENTATTACK();
  if (ROLL < 1.5) {
    ANSIC(7);
    PRINT("His attack tears your armour.");
    return;
  }
  ROLL = capped(OPPONENTATTACK2(), OPP.WEAPON2);
  tellDamage(pick(kOpponentHits));
  PLAYERTYPE& hero = PLAYER[B];
  hero.DAMAGE += ROLL;
  if (hero.DAMAGE >= hero.SHIELD) {
    NL();
    PRINT(pick(kDeaths));
    if (DOGA) {
      settleLostDuel(hero);
    }
    LIVE = false;
    LEAVE();
  }
}

// One exchange: the quicker side strikes first, the hero on a tie.
void ATTACKMODES() {
  const bool opponentFirst = OPP.DEXTERITY > PLAYER[B].DEXTERITY;
  for (void (*blow)() : {opponentFirst ? BMODE : AMODE, opponentFirst ? AMODE : BMODE}) {
    if (PLAY) {
      blow();
    }
  }
}

void keyHelp() {
  NL();
  NL();
  PRINT("(B)attle your opponent.");
  PRINT("(F)lee from your opponent.");
  PRINT("(S)tatus check.");
  NL();
}

unsigned char askCombatKey() {
  const std::string hits = WHOLE(PLAYER[B].SHIELD - PLAYER[B].DAMAGE);
  unsigned char key = 0;
  for (;;) {
    ANSIC(2);
    PROMPT("Combat (" + hits + " hps): (B,F,S): ");
    ONEK(key, "BFS?");
    if (key != '?' || HANGUP) {
      return key;
    }
    keyHelp();
  }
}

void flee() {
  if (Random() * 4 + 1 + PLAYER[B].DEXTERITY > OPP.DEXTERITY) {
    NL();
    ANSIC(7);
    PRINT("You Ride away on a Silver Dragon.");
    DOGA = false;
    LIVE = false;
  }
}
}  // namespace

void BATTLE() {
  NL();
  LIVE = true;
  while (LIVE) {
    NL();
    ANSIC(4);
    PRINT("You are attacked by a " + OPP.NAME + ".");
    const unsigned char key = askCombatKey();
    if (HANGUP) {
      LEAVE();
    }
    if (key == 'B') {
      ATTACKMODES();
    } else if (key == 'S') {
      STATSHOW();
    } else if (key == 'F') {
      flee();
    }
  }
}
