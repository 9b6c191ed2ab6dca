#include "town/sheet.h"

#include <gtest/gtest.h>

#include "store/state.h"
#include "tests/support/world.h"

namespace {
class SheetTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    B = 1;
    WNAME[3] = "Mace";
    SNAME[2] = "Chain Mail";
    PLAYERTYPE& p = PLAYER[1];
    p.PSEUDO = "Annie";
    p.R = 4;
    p.WINS = 7;
    p.LOSES = 2;
    p.EXPERIENCE = 1234.5;
    p.GOLD = 97.5;
    p.BANK = 10;
    p.FLIGHTS = 2;
    p.SHIELD = 20;
    p.DAMAGE = 7.5;
    p.WEAPON = 3;
    p.VEHICLE = 2;
  }
};

TEST_F(SheetTest, ShowsTheHeroLineByLine) {
  screen.typeAhead("x");
  STATSHOW();
  struct Row {
    const char* text;
    int fore;
  } rows[] = {
      {"Name: Annie   Level: 4", 5},
      {"W/L: 7/2   Exp: 1235", 11},
      {"", 7},
      {"Steel  (in hand): 98", 14},
      {"Steel  (in bank): 10", 14},
      {"", 7},
      {"Battles: 3   Retreats: 2    Fights: 10   Hps: 13(20)", 9},
      {"", 7},
      {"Weapon: Mace     Armor: Chain Mail", 11},
  };
  for (int y = 0; y < 9; ++y) {
    EXPECT_EQ(screen.row(y), rows[y].text) << y;
    EXPECT_EQ(screen.cell(0, y).fore, rows[y].fore) << y;
  }
  EXPECT_EQ(screen.cursorY(), 9);
  EXPECT_EQ(screen.keysLeft(), 1u);
}

TEST_F(SheetTest, SpentCountersShowBelowZero) {
  DOG = 4;
  TRIPS = 12;
  PLAYER[1].FLIGHTS = -1;
  PLAYER[1].R = 4.5;
  STATSHOW();
  EXPECT_EQ(screen.row(0), "Name: Annie   Level: 4");
  EXPECT_EQ(screen.row(6), "Battles: -1   Retreats: -1    Fights: -2   Hps: 13(20)");
}
}  // namespace
