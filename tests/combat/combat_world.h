#pragma once
// The world of the combat tests: flat item tables, a plain caller's hero at B = 1, an even
// opponent, and the day's files, so blows can be scripted draw by draw.

#include <string>

#include "combat/victory.h"
#include "kit/text.h"
#include "store/state.h"
#include "tests/support/heroes.h"
#include "tests/support/world.h"

class CombatTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    nameItems();
    for (int n = 1; n <= MAXITEMS; ++n) {
      W2[n] = 1;
      W3[n] = 2;
    }
    for (int n = 1; n <= MAXLEVELS; ++n) {
      REQUIRED[n] = 100.0 * (n - 1);
    }
    writeFile("data/record.hlw", "0\n");
    writeFile("data/date.hlw", DATE() + "\n");
    PLAY = true;
    NUMBER_OF_PLAYERS = 1;
    B = 1;
    plainHero(PLAYER[1], "ARNE");
    evenOpponent();
  }

  // A level 1 hero whose blows against an even opponent have the hit value U.
  static void plainHero(PLAYERTYPE& h, const std::string& name) {
    ::plainHero(h, name);
    h.ATTACK = 1;
    h.POWER = 2;
  }

  // The hero's mirror: hit value U, damage Round(2 U1 U2) capped at 10, on both sides.
  void evenOpponent() {
    OPP = OPPONENT{};
    OPP.NAME = "Rat";
    OPP.WEAPON = 1;
    OPP.WEAPON2 = 2;
    OPP.STRENGTH = OPP.DEXTERITY = OPP.LUCK = 12;
    OPP.VEHICLE = 1;
    OPP.SHIELD = 10;
    OPP.GOLD = 100;
    Z = 25;
  }

  // The draw that makes the swing factor U (1 to under 6).
  static double swing(double u) { return (u - 1) / 5; }

  PLAYERTYPE& hero() { return PLAYER[B]; }
};
