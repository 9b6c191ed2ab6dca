#include "store/daily.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "kit/ending.h"
#include "store/state.h"
#include "tests/flow/game_world.h"

namespace {
class DailyTest : public GameWorld {
 protected:
  void SetUp() override {
    GameWorld::SetUp();
    installGame();
  }
  void roster(const std::vector<double>& experience) {
    NUMBER_OF_PLAYERS = static_cast<int>(experience.size());
    for (int i = 1; i <= NUMBER_OF_PLAYERS; ++i) {
      PLAYER[i].NAME = std::string(1, static_cast<char>('A' + i - 1));
      PLAYER[i].EXPERIENCE = experience[static_cast<std::size_t>(i - 1)];
      PLAYER[i].FLIGHTS = -1;
      PLAYER[i].STATUS = 1;
    }
  }
  std::string order() const {
    std::string names;
    for (int i = 1; i <= NUMBER_OF_PLAYERS; ++i) {
      names += PLAYER[i].NAME;
    }
    return names;
  }
};

TEST_F(DailyTest, RanksByExperienceWithTheExchangeSortAndTheCallerFollows) {
  struct Case {
    std::vector<double> experience;
    int b;
    const char* order;
    int bAfter;
  } cases[] = {
      {{50, 80, 80, 10}, 1, "BCAD", 3},
      {{30, 30, 50}, 1, "CBA", 3},  // the equal heroes change places
      {{30, 30, 50}, 2, "CBA", 2},
      {{5}, 1, "A", 1},
      {{1, 2, 3, 4, 5}, 5, "EDCBA", 1},
      {{9, 8, 7}, 2, "ABC", 2},
  };
  for (const Case& c : cases) {
    roster(c.experience);
    B = c.b;
    const std::string caller = PLAYER[B].NAME;
    CHECKDAY();
    EXPECT_EQ(order(), c.order);
    EXPECT_EQ(B, c.bAfter) << c.order;
    EXPECT_EQ(PLAYER[B].NAME, caller);
  }
}

TEST_F(DailyTest, TheSameDayResetsNothing) {
  writeFile("data/record.hlw", "1\nA conquered B\n");
  roster({10, 20});
  B = 1;
  CHECKDAY();
  EXPECT_EQ(PLAYER[1].FLIGHTS, -1);
  EXPECT_EQ(PLAYER[1].STATUS, 1);
  EXPECT_EQ(readFile("data/record.hlw"), "1\nA conquered B\n");
}

TEST_F(DailyTest, AnyOtherDayTextStartsANewDay) {
  for (const char* stored : {"12/10/26\n", "", "12/12/26\n", "12/11/26 \n", "12/11/2026\n"}) {
    writeFile("data/date.hlw", stored);
    writeFile("data/record.hlw", "1\nA conquered B\n");
    roster({10, 20});
    B = 1;
    CHECKDAY();
    EXPECT_EQ(readFile("data/date.hlw"), "12/11/26\n") << stored;
    EXPECT_EQ(readFile("data/record.hlw"), "0\n") << stored;
    for (int i = 1; i <= 2; ++i) {
      EXPECT_EQ(PLAYER[i].FLIGHTS, 3) << stored;
      EXPECT_EQ(PLAYER[i].STATUS, 0) << stored;
    }
  }
}

TEST_F(DailyTest, AMissingDayFileIsFatal) {
  std::filesystem::remove("data/date.hlw");
  EXPECT_THROW(CHECKDAY(), FatalError);
}
}  // namespace
