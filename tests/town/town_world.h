#pragma once
// The world of the town tests: small item tables and one hero, the caller's, at B = 1.

#include <string>
#include <string_view>

#include "kit/crt.h"
#include "store/state.h"
#include "tests/support/world.h"

class TownTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    for (int n = 1; n <= MAXITEMS; ++n) {
      WNAME[n] = "Weapon " + std::to_string(n);
      SNAME[n] = "Armour " + std::to_string(n);
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
    h = PLAYERTYPE{};
    h.NAME = h.PSEUDO = "ARNE";
    h.R = 1;
    h.STRENGTH = h.INTELLIGENCE = h.DEXTERITY = h.LUCK = h.CONSTITUTION = h.CHARISMA = 12;
    h.GOLD = 100;
    h.WEAPON = h.VEHICLE = 1;
    h.SHIELD = 15;
    h.ATTACK = 99;
    h.POWER = 98;
    h.FLIGHTS = 2;
    HANGUP = 0;
    screen.clearTranscript();
  }

  PLAYERTYPE& hero() { return PLAYER[B]; }

  // The screen row that starts with the text, or -1.
  int rowStarting(std::string_view start) const {
    for (int y = 0; y < screen.height(); ++y) {
      if (screen.row(y).starts_with(start)) {
        return y;
      }
    }
    return -1;
  }

  // How often the text was written.
  int written(std::string_view text) const {
    int count = 0;
    const std::string& t = screen.transcript();
    for (auto p = t.find(text); p != std::string::npos; p = t.find(text, p + 1)) {
      ++count;
    }
    return count;
  }
};
