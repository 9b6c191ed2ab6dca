#include "town/gallery.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "store/state.h"
#include "tests/town/town_world.h"

class GalleryTest : public TownTest {
 protected:
  void wager(const std::string& typed, int roll) {
    random.scriptPick(roll - 1, 99);
    screen.type(typed + "\r");
    GAMBLE();
  }
};

TEST_F(GalleryTest, RollTable) {
  struct Case {
    int roll;
    double wantGold;
    const char* said;
  } cases[] = {
      {1, 10100, "You shot all the targets and win 10000 Steel pieces!"},
      {3, 10100, "You shot all the targets and win 10000 Steel pieces!"},
      {4, 1100, "You shot 50% of the targets and win 1000 Steel pieces!"},
      {15, 1100, "You shot 50% of the targets and win 1000 Steel pieces!"},
      {16, 400, "You shot %25 of the targets and win 300 Steel pieces!"},
      {30, 400, "You shot %25 of the targets and win 300 Steel pieces!"},
      {31, 0, "Sorry You Hath Lost!"},
      {99, 0, "Sorry You Hath Lost!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.roll);
    resetHero();
    wager("100", c.roll);
    EXPECT_EQ(hero().GOLD, c.wantGold);
    EXPECT_EQ(timesWritten(std::string(c.said) + "\r\n"), 1);
    EXPECT_EQ(random.left(), 0u);
  }
}

TEST_F(GalleryTest, WagerLimits) {
  struct Case {
    const char* typed;
    double gold;
    double wantGold;  // after a losing roll
    bool tooMuch;
  } cases[] = {
      {"25000", 30000, 5000, false},
      {"25001", 30000, 30000, false},
      // Only the low 16 bits of the number count.
      {"40000", 30000, 30000, false},
      {"90000", 30000, 30000 - 24464, false},
      {"0", 100, 100, false},
      {"", 100, 100, false},
      {"X", 100, 100, false},
      {"-5", 100, 100, false},
      {"101", 100, 100, true},
      {"100", 100, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    resetHero();
    hero().GOLD = c.gold;
    random.script({0.99});
    screen.type(std::string(c.typed) + "\r");
    GAMBLE();
    EXPECT_EQ(hero().GOLD, c.wantGold);
    EXPECT_EQ(timesWritten("You do not have enough Steel !"), c.tooMuch ? 1 : 0);
    EXPECT_EQ(random.left(), c.wantGold == c.gold ? 1u : 0u) << "a roll only for a wager";
    while (random.left() > 0) {
      Random();
    }
  }
}

TEST_F(GalleryTest, ScreenOfTheGallery) {
  wager("10", 50);
  EXPECT_EQ(screen.row(0), "  Welcome to the Shooting Gallery");
  EXPECT_EQ(screen.row(1), " Maximum wager is 25,000 Steel pieces");
  EXPECT_EQ(screen.row(3), "How many Steel pieces do you wish to wager? 10");
  EXPECT_EQ(screen.cell(0, 3).fore, 14);
  EXPECT_EQ(screen.row(4), "Sorry You Hath Lost!");
  EXPECT_EQ(screen.cell(0, 4).fore, 7);
}

TEST_F(GalleryTest, ClosedAfterTenFights) {
  TRIPS = 11;
  GAMBLE();
  EXPECT_EQ(screen.transcript(), "\r\nThe Shooting Gallery is closed until tomorrow!\r\n");
  EXPECT_EQ(screen.keyWaits(), 0);
  TRIPS = 10;
  wager("10", 50);
  EXPECT_EQ(hero().GOLD, 90);
}

TEST_F(GalleryTest, NoWagerOnADroppedLine) {
  random.script({0.0});
  screen.type("50");
  screen.hangupHere();
  GAMBLE();
  EXPECT_EQ(hero().GOLD, 100);
  HANGUP = 1;
  GAMBLE();
  EXPECT_EQ(hero().GOLD, 100);
  EXPECT_EQ(random.left(), 1u);
}
