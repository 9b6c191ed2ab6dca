#include "town/training.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "store/state.h"
#include "tests/town/town_world.h"
#include "town/status.h"

class TrainingTest : public TownTest {};

TEST_F(TrainingTest, BuysOnePointForTenThousand) {
  struct Case {
    const char* keys;
    double gold;
    int stat;  // 0: none changes
    double wantGold;
  } cases[] = {
      {"Y4\rY", 15000, 4, 5000},
      // The screen names 1,000,000, but 10,000 is enough.
      {"Y1\rY", 10000, 1, 0},
      {"Y6\rY", 10000, 6, 0},
      {"Y7\rY", 15000, 0, 15000},
      {"YX\rY", 15000, 0, 15000},
      {"Y\rY", 15000, 0, 15000},
      {"Y2\rN", 15000, 0, 15000},
      {"N", 15000, 0, 15000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    resetHero();
    hero().GOLD = c.gold;
    screen.type(c.keys);
    TRAINING();
    EXPECT_EQ(hero().GOLD, c.wantGold);
    for (int n = 1; n <= 6; ++n) {
      EXPECT_EQ(hero().*CHARACTERISTIC[n], n == c.stat ? 13 : 12) << "characteristic " << n;
    }
    EXPECT_EQ(screen.keysLeft(), 0u);
    EXPECT_FALSE(HANGUP);
  }
}

TEST_F(TrainingTest, TooLittleSteelIsToldBeforeTheMenu) {
  hero().GOLD = 9999;
  screen.type("Y");
  TRAINING();
  EXPECT_EQ(timesWritten("Sorry, but you do not have enough Steel!\r\n"), 1);
  EXPECT_EQ(timesWritten("1> Strength"), 0);
  EXPECT_EQ(hero().GOLD, 9999);
  EXPECT_EQ(screen.keysLeft(), 0u);
}

TEST_F(TrainingTest, ScreenOfTheGrounds) {
  hero().GOLD = 10000;
  screen.type("Y3\rY");
  TRAINING();
  EXPECT_EQ(
      screen.transcript(),
      "\r\nTraining Grounds\r\n%%%%%%%%%%%%%%%%\r\nEach characteristic you wish to upgrade\r\n"
      "will cost 1,000,000 Steel pieces per point.\r\n\r\n"
      "Do you wish to upgrade a stat? Yes\r\n\r\n"
      "1> Strength       2> Intelligence\r\n3> Dexterity      4> Luck        \r\n"
      "5> Constitution   6> Charisma    \r\n\r\n"
      "Which stat do you wish to increase? 3\r\nAre you sure? Yes\r\n");
  EXPECT_EQ(hero().DEXTERITY, 13);
}

TEST_F(TrainingTest, ClosedAfterTenFights) {
  TRIPS = 11;
  hero().GOLD = 20000;
  TRAINING();
  EXPECT_EQ(screen.transcript(), "\r\nThe Training Grounds are closed until tomorrow!\r\n");
  EXPECT_EQ(screen.keyWaits(), 0);
  TRIPS = 10;
  screen.type("Y1\rY");
  TRAINING();
  EXPECT_EQ(hero().STRENGTH, 13);
}

TEST_F(TrainingTest, HangUpBuysNothing) {
  hero().GOLD = 20000;
  screen.type("Y1\r");
  screen.hangupHere();
  TRAINING();
  EXPECT_EQ(hero().GOLD, 20000);
  EXPECT_EQ(hero().STRENGTH, 12);
}
