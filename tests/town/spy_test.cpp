#include "town/spy.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "tests/town/town_world.h"

class SpyTest : public TownTest {
 protected:
  void SetUp() override {
    TownTest::SetUp();
    NUMBER_OF_PLAYERS = 3;
    for (int k = 2; k <= 3; ++k) {
      PLAYERTYPE& h = PLAYER[k];
      h.NAME = "user" + std::to_string(k);
      h.PSEUDO = "BORIS";
      h.R = 3;
      h.EXPERIENCE = 1234.5;
      h.FLIGHTS = -1;
      h.SHIELD = 20;
      h.DAMAGE = 7.5;
      h.WEAPON = 3;
      h.VEHICLE = 2;
      h.GOLD = 50.5;
      h.BANK = 7;
    }
    PLAYER[3].PSEUDO = "Boris";
  }
};

TEST_F(SpyTest, ReportLayoutAndColours) {
  screen.type("boris\r ");
  SPY();
  EXPECT_EQ(hero().GOLD, 80);
  const std::string head =
      "Spying on another user eh.. well you may spy, but to keep\r\n"
      "you from copying this person's stats, they will not be   \r\n"
      "available to you.  Note that this is gonna cost you some \r\n"
      "cash too.  Cost: 20 Steel pieces                          \r\n"
      "\r\nWho do you wish to spy on?BORIS\r\n";
  EXPECT_EQ(screen.transcript().substr(0, head.size()), head);
  const char* rows[] = {"BORIS",
                        "",
                        "Level  :3",
                        "Exp    :1235",
                        "Flights:-1",
                        "Hps    :13(20)",
                        "",
                        "Weapon :Weapon 3",
                        "Armour :Armour 2",
                        "",
                        "Steel  (in hand):51",
                        "Steel  (in bank):7",
                        ""};
  const int colours[] = {12, 0, 7, 7, 7, 7, 0, 5, 5, 0, 14, 14, 0};
  const int top = 7;
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(screen.row(top + i), rows[i]) << "row " << i;
    if (colours[i] != 0) {
      EXPECT_EQ(screen.cell(0, top + i).fore, colours[i]) << "row " << i;
    }
  }
  EXPECT_EQ(screen.cursorY(), top + 13) << "the pause is erased where it began";
  EXPECT_EQ(screen.cursorX(), 0);
}

TEST_F(SpyTest, EachHeroOfTheNameCostsTwenty) {
  struct Case {
    const char* keys;
    double gold;
    double wantGold;
    int reports;
    int refusals;
  } cases[] = {
      {"BORIS\r ", 20, 0, 1, 0},
      {"BORIS\r", 19, 19, 0, 1},
      // Upper-cased as typed, so a name holding lower case is never matched.
      {"Boris\r ", 100, 80, 1, 0},
      {"BORI\r", 100, 100, 0, 0},
      {"ARNE\r ", 100, 80, 1, 0},
      {"\r", 100, 100, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    resetHero();
    hero().GOLD = c.gold;
    screen.type(c.keys);
    SPY();
    EXPECT_EQ(hero().GOLD, c.wantGold);
    EXPECT_EQ(timesWritten("[Pause]"), c.reports);
    EXPECT_EQ(timesWritten("You do not have enough Steel!\r\n"), c.refusals);
    EXPECT_EQ(screen.keysLeft(), 0u);
    EXPECT_FALSE(HANGUP);
  }
}

TEST_F(SpyTest, TwoHeroesOfOneNameEachAfterItsOwnPause) {
  PLAYER[3].PSEUDO = "BORIS";
  PLAYER[3].R = 9;
  hero().GOLD = 40;
  screen.type("BORIS\r  ");
  SPY();
  EXPECT_EQ(hero().GOLD, 0);
  const std::string& t = screen.transcript();
  EXPECT_LT(t.find("Level  :3"), t.find("[Pause]"));
  EXPECT_LT(t.find("[Pause]"), t.find("Level  :9"));
  EXPECT_EQ(timesWritten("[Pause]"), 2);

  resetHero();
  hero().GOLD = 30;
  screen.type("BORIS\r ");
  SPY();
  EXPECT_EQ(hero().GOLD, 10);
  EXPECT_EQ(timesWritten("Level  :"), 1);
  EXPECT_EQ(timesWritten("You do not have enough Steel!\r\n"), 1);
  const int y = rowStarting("You do not have enough Steel!");
  ASSERT_GE(y, 0);
  EXPECT_EQ(screen.cell(0, y).fore, 12);
}

TEST_F(SpyTest, DroppedLinePaysForNoReport) {
  PLAYER[3].PSEUDO = "";
  screen.type("BOR");
  screen.hangupHere();
  SPY();
  EXPECT_EQ(hero().GOLD, 100);
  HANGUP = 1;
  SPY();
  EXPECT_EQ(hero().GOLD, 100) << "the empty entry of a gone line matches the empty name";
}
