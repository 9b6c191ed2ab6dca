#include "town/clerics.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "kit/ending.h"
#include "tests/town/town_world.h"

class ClericsTest : public TownTest {};

TEST_F(ClericsTest, PricesChecksAndCharges) {
  struct Case {
    const char* typed;
    double level;
    double damage;
    double gold;
    double wantDamage;
    double wantGold;
    bool refused;
    const char* healed;
  } cases[] = {
      // The check asks 10 a point: 300 for 10 points at level 3, then 8 a point is taken.
      {"10", 3, 10, 250, 10, 250, true, "0 hit points healed."},
      {"10", 3, 10, 300, 0, 60, false, "10 hit points healed."},
      // An empty answer heals all: the check on Round(4.5) = 4 points, the charge on 4.5.
      {"", 2, 4.5, 80, 0, 8, false, "4 hit points healed."},
      {"", 2, 4.5, 79, 4.5, 79, true, "0 hit points healed."},
      // More than the wounds: checked for all asked, healed and charged for the wounds.
      {"5", 1, 3, 50, 0, 26, false, "3 hit points healed."},
      {"5", 1, 3, 49, 3, 49, true, "0 hit points healed."},
      {"", 1, 0, 100, 0, 100, false, "0 hit points healed."},
      {"0", 1, 3, 100, 3, 100, false, "0 hit points healed."},
      {"-5", 1, 3, 100, 3, 100, false, "0 hit points healed."},
      {"AB", 1, 3, 100, 3, 100, false, "0 hit points healed."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("typed '") + c.typed + "' gold " + std::to_string(c.gold));
    resetHero();
    hero().R = c.level;
    hero().DAMAGE = c.damage;
    hero().GOLD = c.gold;
    screen.type(std::string(c.typed) + "\r");
    HEAL();
    EXPECT_EQ(hero().DAMAGE, c.wantDamage);
    EXPECT_EQ(hero().GOLD, c.wantGold);
    EXPECT_EQ(timesWritten("Sorry, you do not have enough Steel .\r\n"), c.refused ? 1 : 0);
    EXPECT_EQ(timesWritten(std::string(c.healed) + "\r\n"), 1);
  }
}

TEST_F(ClericsTest, ScreenAndColours) {
  hero().R = 3;
  hero().DAMAGE = 10.5;
  hero().GOLD = 10;
  screen.type("1\r");
  HEAL();
  EXPECT_EQ(screen.row(0), "Clerics want 24 Steel pieces per wound.");
  EXPECT_EQ(screen.row(1), "");
  EXPECT_EQ(screen.row(2), "You have 11 points of damage to heal.");
  EXPECT_EQ(screen.row(3), "How many do points do you want healed? 1");
  EXPECT_EQ(screen.row(4), "Sorry, you do not have enough Steel .");
  EXPECT_EQ(screen.row(5), "0 hit points healed.");
  const int colours[] = {5, 0, 14, 11, 12, 7};
  for (int y = 0; y < 6; ++y) {
    if (y != 1) {
      EXPECT_EQ(screen.cell(0, y).fore, colours[y]) << "row " << y;
    }
  }
}

TEST_F(ClericsTest, HangUpAtTheQuestionEndsTheVisitUnhealed) {
  hero().DAMAGE = 5;
  screen.type("5");
  screen.hangupHere();
  EXPECT_THROW(HEAL(), VisitEnd);
  EXPECT_TRUE(exists("data/characte.hlw")) << "the roster is saved";
  EXPECT_EQ(hero().DAMAGE, 5);
  EXPECT_EQ(hero().GOLD, 100);
}
