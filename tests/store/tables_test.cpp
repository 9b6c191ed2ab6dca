#include "store/tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "kit/ending.h"
#include "store/state.h"
#include "tests/flow/game_world.h"

namespace {
class TablesTest : public GameWorld {
 protected:
  void SetUp() override {
    GameWorld::SetUp();
    installGame();
    NUMBER_OF_PLAYERS = B = 1;
    PLAYER[1].WEAPON = 3;
  }
};

TEST_F(TablesTest, LoadsEveryTableAndTheCallersWeapon) {
  LOADTABLES();
  EXPECT_EQ(WNAME[1], "Weapon 1");
  EXPECT_EQ(WNAME[25], "Weapon 25");
  EXPECT_EQ(W2[25], 25);
  EXPECT_EQ(W3[25], 26);
  EXPECT_EQ(SNAME[25], "Armour 25");
  EXPECT_EQ(COST[25], 2500);
  EXPECT_EQ(REQUIRED[28], 28000);
  EXPECT_EQ(PLAYER[1].ATTACK, 3);
  EXPECT_EQ(PLAYER[1].POWER, 4);
  EXPECT_EQ(FIND1(), W2[3]);
  EXPECT_EQ(FIND2(), W3[3]);
  // A lone carriage return after the weapons, and the tables' colour left on.
  EXPECT_EQ(screen.transcript(), "\r");
  EXPECT_EQ(screen.fore(), 9);
}

TEST_F(TablesTest, ValuesMayCarryCommentsAndNamesAreCut) {
  std::string weapons = "A sword whose name runs on far too long\n5 7 sharp\nClub\n2.5\n3\n";
  for (int n = 3; n <= 25; ++n) {
    weapons += "W\n1 1\n";
  }
  writeFile("data/weapons.hlw", weapons + "extra lines are ignored\n");
  writeFile("data/prices.hlw", "10 gold, cheap\r\n" + readFile("data/prices.hlw"));
  PLAYER[1].WEAPON = 1;
  LOADTABLES();
  EXPECT_EQ(WNAME[1], "A sword whose name runs on far");
  EXPECT_EQ(W2[1], 5);
  EXPECT_EQ(W3[1], 7);
  EXPECT_EQ(WNAME[2], "Club");
  EXPECT_EQ(W2[2], 2.5);
  EXPECT_EQ(W3[2], 3);
  EXPECT_EQ(COST[1], 10);
  EXPECT_EQ(COST[2], 100);
}

TEST_F(TablesTest, AShortMissingOrBrokenTableIsFatal) {
  struct Case {
    const char* file;
    std::string contents;
    const char* message;
  } cases[] = {
      {"data/experience.hlw", "1000\n2000\n",
       "data/experience.hlw, line 3: the file ends where the "
       "experience for level 3 was expected"},
      {"data/prices.hlw", "100\nlots\n", "data/prices.hlw, line 2: expected the price of item 2"},
      {"data/armor.hlw", "Cloak\n", "the name of armour 2"},
  };
  for (const Case& c : cases) {
    installGame();
    writeFile(c.file, c.contents);
    try {
      LOADTABLES();
      ADD_FAILURE() << c.file;
    } catch (const FatalError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
  installGame();
  std::filesystem::remove("data/weapons.hlw");
  EXPECT_THROW(LOADTABLES(), FatalError);
}

TEST_F(TablesTest, SupplantGivesTheFourFormsOnly) {
  for (int k = 0; k < 4; ++k) {
    random.scriptPick(k, 4);
    EXPECT_DOUBLE_EQ(SUPPLANT(), 0.8 + k / 10.0);
  }
  std::map<double, int> seen;
  for (int i = 0; i < 4000; ++i) {
    ++seen[SUPPLANT()];
  }
  ASSERT_EQ(seen.size(), 4u);
  for (const auto& [value, count] : seen) {
    EXPECT_GT(count, 800) << value;
  }
}
}  // namespace
