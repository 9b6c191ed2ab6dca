#pragma once
// The world of the town tests: small item tables and one hero, the caller's, at B = 1.

#include "kit/crt.h"
#include "store/state.h"
#include "tests/support/heroes.h"
#include "tests/support/world.h"

class TownTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    nameItems();
    for (int n = 1; n <= MAXITEMS; ++n) {
      COST[n] = 10.0 * n;
      W2[n] = n;
      W3[n] = 100 + n;
    }
    NUMBER_OF_PLAYERS = 1;
    B = 1;
    resetHero();
  }

  // Puts the caller's hero back to a plain level 1 hero, for tables of cases.
  void resetHero() {
    PLAYERTYPE& h = PLAYER[B];
    plainHero(h, "ARNE");
    h.ATTACK = 99;
    h.POWER = 98;
    HANGUP = 0;
    screen.clearTranscript();
  }

  PLAYERTYPE& hero() { return PLAYER[B]; }
};
