#include "combat/areas.h"

#include <gtest/gtest.h>

#include <string>

#include "kit/crt.h"
#include "kit/ending.h"
#include "tests/combat/combat_world.h"

class AreasTest : public CombatTest {
 protected:
  // Record k: hit points 10 k, then to-hit, damage, armour, luck, strength, dexterity,
  // Steel and experience.
  static std::string monster(int k) {
    return "Beast " + std::to_string(k) + "\n" + std::to_string(10 * k) + " 2 3 4 5 6 7 8 9\n";
  }
  // Meets one monster of area 1; the caller is gone before the first key.
  void meet() {
    HANGUP = 0;
    EXPECT_THROW(AFIGHT(), VisitEnd);
  }
};

TEST_F(AreasTest, RecordChoiceRoundsTiesToEvenAndEveryStatisticIsScaled) {
  std::string file = "5\n";
  for (int k = 1; k <= 5; ++k) {
    file += monster(k);
  }
  writeFile("data/junkm1.hlw", file);
  // RD = 4 r + 1.
  for (auto [draw, want] : {std::pair{0.0, 1},
                            {0.124, 1},
                            {0.125, 2},
                            {0.375, 2},
                            {0.376, 3},
                            {0.875, 4},
                            {0.876, 5},
                            {0.999, 5}}) {
    SCOPED_TRACE(draw);
    random.script({draw});
    for (int k = 0; k < 7; ++k) {
      random.scriptPick(2, 4);
    }
    meet();
    EXPECT_EQ(OPP.NAME, "Beast " + std::to_string(want));
    EXPECT_EQ(OPP.SHIELD, 10.0 * want);
    EXPECT_EQ(random.left(), 0u);
  }
  // Each of the seven scaling draws in its order: to-hit, damage, armour, luck, strength,
  // dexterity, hit points.
  random.script({0.5});
  for (int k : {0, 1, 3, 0, 1, 3, 0}) {
    random.scriptPick(k, 4);
  }
  meet();
  EXPECT_EQ(OPP.NAME, "Beast 3");
  EXPECT_DOUBLE_EQ(OPP.WEAPON, 2 * 0.8);
  EXPECT_DOUBLE_EQ(OPP.WEAPON2, 3 * 0.9);
  EXPECT_DOUBLE_EQ(OPP.VEHICLE, 4 * 1.1);
  EXPECT_DOUBLE_EQ(OPP.LUCK, 5 * 0.8);
  EXPECT_DOUBLE_EQ(OPP.STRENGTH, 6 * 0.9);
  EXPECT_DOUBLE_EQ(OPP.DEXTERITY, 7 * 1.1);
  EXPECT_DOUBLE_EQ(OPP.SHIELD, 30 * 0.8);
  EXPECT_EQ(OPP.GOLD, 8);
  EXPECT_EQ(Z, 9);
  EXPECT_EQ(TRIPS, 9);
}

TEST_F(AreasTest, SingleRecordWithLongNameAndNumbersOverSeveralLines) {
  writeFile("data/junkm1.hlw",
            "  1 monster\n" + std::string(40, 'N') + "\n20 2 3\n4 5 6\n7 8 9 rest\n");
  random.script({0.7});
  meet();
  EXPECT_EQ(OPP.NAME, std::string(30, 'N'));
  EXPECT_EQ(Z, 9);
  EXPECT_EQ(TRIPS, 1);
}

TEST_F(AreasTest, TwelfthCommandOfAVisitIsInTheDark) {
  TRIPS = 11;
  AFIGHT();
  EFIGHT();
  EXPECT_EQ(TRIPS, 11);
  EXPECT_EQ(screen.transcript(),
            "\r\nIt's Getting Dark Out!\r\nReturn to the Nearest Inn!\r\n"
            "\r\nIt's Getting Dark Out!!.\r\nReturn to the Nearest Inn.\r\n");
  EXPECT_EQ(screen.cell(0, 1).fore, 5);
}

TEST_F(AreasTest, GuardsStandBeforeEveryFightOfTheFifthArea) {
  writeFile("text/guards.hlw", "Halt, stranger!\n");
  writeFile("data/junkm5.hlw", "1\n" + monster(1));
  EXPECT_THROW(EFIGHT(), VisitEnd);
  EXPECT_EQ(screen.row(0), "Halt, stranger!");
  EXPECT_EQ(OPP.NAME, "Beast 1");
}

TEST_F(AreasTest, MalformedMonsterFilesAreFatalAndNameTheRecord) {
  struct Case {
    std::string file;
    const char* want;
  } cases[] = {
      {"0\n", "junkm1.hlw, line 1: the number of monsters must be from 1 up, found 0"},
      {"-2\n", "found -2"},
      {"3\n" + monster(1) + monster(2),
       "junkm1.hlw, line 6: the file ends where the name of "
       "monster record 3 was expected"},
      {"2\n" + monster(1) + "Ghost\n1 1 1 0 1 1 1 1 1\n",
       "line 5: monster record 2: the armour number must be above 0"},
      {"1\nGhost\n1 1 1 1 0 1 1 1 1\n", "monster record 1: the luck must be above 0"},
      {"1\nGhost\n1 1 1 1 1 1 -1 1 1\n", "monster record 1: the dexterity must be above 0"},
      {"1\nGhost\n1 1 1 1 1 1 x 1 1\n", "number 7 of monster record 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    writeFile("data/junkm1.hlw", c.file);
    TRIPS = 0;
    try {
      AFIGHT();
      ADD_FAILURE() << "no fatal error";
    } catch (const FatalError& e) {
      EXPECT_NE(std::string(e.what()).find(c.want), std::string::npos) << e.what();
    }
  }
}
