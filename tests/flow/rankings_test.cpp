#include "flow/rankings.h"

#include <gtest/gtest.h>

#include "kit/crt.h"
#include "kit/text.h"
#include "store/state.h"
#include "tests/support/world.h"

class RankingsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    // Today's game day is already done: the daily check only ranks.
    writeFile("data/date.hlw", DATE() + "\n");
    writeFile("data/record.hlw", "0\n");
    NUMBER_OF_PLAYERS = 11;
    B = 1;
    for (int n = 1; n <= NUMBER_OF_PLAYERS; ++n) {
      PLAYERTYPE& h = PLAYER[n];
      h.NAME = "user" + std::to_string(n);
      h.PSEUDO = "HERO " + std::to_string(n);
      h.EXPERIENCE = 1000 - n;
      h.R = 3;
      h.FLIGHTS = 3;
    }
    PLAYER[9].R = 12;
    PLAYER[9].WINS = 100;
    PLAYER[9].LOSES = 2.5;
    PLAYER[9].STATUS = 1;
    PLAYER[10].PSEUDO = "A Name Of Thirty Characters!!!";
  }
};

TEST_F(RankingsTest, EntriesLineUpInColumns) {
  PLAYERLIST();
  EXPECT_EQ(screen.row(0), "");
  EXPECT_EQ(screen.row(1), "Hero Rankings:");
  EXPECT_EQ(screen.cell(0, 1).fore, 5);
  EXPECT_EQ(screen.row(2), "!!!!!!!!!!!!!!");
  EXPECT_EQ(screen.cell(0, 2).fore, 7);
  EXPECT_EQ(screen.row(3), "");
  EXPECT_EQ(screen.row(4), " 1.  HERO 1........................Lev= 3  W= 0  L= 0  S=ALIVE");
  EXPECT_EQ(screen.row(12), " 9.  HERO 9........................Lev=12  W=100  L= 3  S=SLAIN");
  EXPECT_EQ(screen.row(13), "10.  A Name Of Thirty Characters!!!Lev= 3  W= 0  L= 0  S=ALIVE");
  EXPECT_EQ(screen.row(14), "11.  HERO 11.......................Lev= 3  W= 0  L= 0  S=ALIVE");
  for (int x : {0, 1, 2, 4}) {
    EXPECT_EQ(screen.cell(x, 13).fore, 5) << "rank column " << x + 1;
  }
  EXPECT_EQ(screen.cell(5, 13).fore, 11);
  EXPECT_EQ(screen.cell(34, 13).fore, 11);
  EXPECT_EQ(screen.cell(35, 13).fore, 9);
  // The last entry ends with a blank, not a line end, and nothing waits for a key.
  EXPECT_EQ(screen.cursorY(), 14);
  EXPECT_EQ(screen.cursorX(), 63);
  EXPECT_EQ(screen.keyWaits(), 0);
}

TEST_F(RankingsTest, StopKeyLeavesTheRestUnshown) {
  screen.typeAhead(" ");
  PLAYERLIST();
  EXPECT_EQ(screen.keysLeft(), 0u);
  EXPECT_EQ(screen.transcript().find(" 2.  "), std::string::npos);
  EXPECT_FALSE(HANGUP);
}

TEST_F(RankingsTest, RankedAgainFirstAndTheCallerFollowsItsHero) {
  B = 11;
  PLAYER[11].EXPERIENCE = 5000;
  PLAYERLIST();
  EXPECT_EQ(B, 1);
  EXPECT_EQ(PLAYER[B].NAME, "user11");
  EXPECT_EQ(screen.row(4), " 1.  HERO 11.......................Lev= 3  W= 0  L= 0  S=ALIVE");
  EXPECT_EQ(screen.row(5), " 2.  HERO 1........................Lev= 3  W= 0  L= 0  S=ALIVE");
}

TEST_F(RankingsTest, NewGameDayClearsTheSlainMarkBeforeTheList) {
  writeFile("data/date.hlw", "12/10/26\n");
  PLAYERLIST();
  EXPECT_EQ(screen.row(12), " 9.  HERO 9........................Lev=12  W=100  L= 3  S=ALIVE");
}
