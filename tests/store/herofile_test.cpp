#include "store/herofile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "kit/ending.h"
#include "store/state.h"
#include "tests/support/world.h"

namespace {
class HeroFileTest : public WorldTest {
 protected:
  // Reads the hero file and saves it straight back, giving the saved text.
  std::string readAndSave(const std::string& text) {
    writeFile("data/characte.hlw", text);
    READROSTER();
    EXPECT_THROW(LEAVE(), VisitEnd);
    return readFile("data/characte.hlw");
  }
};

const std::string kNew = "12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\n";

TEST_F(HeroFileTest, ReadsEveryToleratedFormAndSavesTheExactLayout) {
  struct Case {
    const char* what;
    std::string file;
    std::string saved;
  } cases[] = {
      {"the layout itself", "1\nAnna\nAnnie\nFor Esmor!\n0\n" + kNew,
       "1\nAnna\nAnnie\nFor Esmor!\n0\n" + kNew},
      {"CR LF line ends",
       "1\r\nAnna\r\nAnnie\r\nFor Esmor!\r\n0\r\n12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\r\n",
       "1\nAnna\nAnnie\nFor Esmor!\n0\n" + kNew},
      {"CR line ends, no end at the end",
       "1\rAnna\rAnnie\rFor Esmor!\r0\r12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0",
       "1\nAnna\nAnnie\nFor Esmor!\n0\n" + kNew},
      {"numbers over several lines, tabs and rubbish after the last",
       "1\nAnna\nAnnie\nFor Esmor!\n0 ok\n12 12\t12\n12 12 12\n\n0 1 15 1 1 203\n2 57 0 0 0 x\n",
       "1\nAnna\nAnnie\nFor Esmor!\n0\n" + kNew},
      {"a slain hero keeps its slayer line", "1\nAnna\nAnnie\n\n1\nBrom\n" + kNew,
       "1\nAnna\nAnnie\n\n1\nBrom\n" + kNew},
      {"long texts are cut to 30 and 60",
       "1\n" + std::string(35, 'N') + "\n" + std::string(31, 'P') + "\n" + std::string(70, 'c') +
           "\n0\n" + kNew,
       "1\n" + std::string(30, 'N') + "\n" + std::string(30, 'P') + "\n" + std::string(60, 'c') +
           "\n0\n" + kNew},
      {"rounded fields ties to even, whole fields ties away, exponents",
       "1\nAnna\nAnnie\nX\n0\n12.5 13.5 1.2e1 12.4 12.6 -0.5 14.5 1 14.5 1 1 14.5 -1 15.5 2.5 "
       "3.5 -2\n",
       "1\nAnna\nAnnie\nX\n0\n12 14 12 12 13 0 15 1 14 1 1 15  -1 16 2 4 -2\n"},
      {"an empty roster", "0", "0\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readAndSave(c.file), c.saved) << c.what;
  }
}

TEST_F(HeroFileTest, ReadsEveryFieldIntoItsPlace) {
  writeFile("data/characte.hlw",
            "2\nAnna\nAnnie\nFor Esmor!\n1\nBrom\n"
            "1 2 3 4 5 6 7 8 9 10 11 12.5  -3 14 15 16 17\nBrom\nBrom\n\n0\n" +
                kNew);
  READROSTER();
  ASSERT_EQ(NUMBER_OF_PLAYERS, 2);
  EXPECT_EQ(NUMBER, 2);
  const PLAYERTYPE& a = PLAYER[1];
  EXPECT_EQ(a.NAME, "Anna");
  EXPECT_EQ(a.PSEUDO, "Annie");
  EXPECT_EQ(a.GASPD, "For Esmor!");
  EXPECT_EQ(a.STATUS, 1);
  EXPECT_EQ(a.KILLER, "Brom");
  const double numbers[] = {a.STRENGTH, a.INTELLIGENCE, a.LUCK, a.DEXTERITY, a.CONSTITUTION,
                            a.CHARISMA, a.EXPERIENCE,   a.R,    a.SHIELD,    a.WEAPON,
                            a.VEHICLE,  a.GOLD,         a.BANK, a.WINS,      a.LOSES};
  const double expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12.5, 14, 15, 16};
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(numbers[i], expected[i]) << "number " << i + 1;
  }
  EXPECT_EQ(a.FLIGHTS, -3);
  EXPECT_EQ(a.PLUS, 17);
  EXPECT_EQ(PLAYER[2].NAME, "Brom");
  EXPECT_EQ(PLAYER[2].GASPD, "");
  EXPECT_EQ(PLAYER[2].GOLD, 203);
}

TEST_F(HeroFileTest, AFaultyFileIsFatalAndNamesFileAndLine) {
  const std::string one = "1\nAnna\nAnnie\nX\n0\n";
  struct Case {
    std::string file;
    std::string message;
  } cases[] = {
      {"31\n", "data/characte.hlw, line 1: expected the number of heroes (from 0 to 30), found 31"},
      {"-1\n", "data/characte.hlw, line 1: expected the number of heroes"},
      {"two\n", "data/characte.hlw, line 1: expected the number of heroes"},
      {"2\nAnna\nAnnie\nX\n0\n" + kNew,
       "line 7: the file ends where the user name of hero 2 was expected"},
      {one + "12 12 12 12 12 12 0 1 15 1 1 203  2 57 0\n", "the file ends where the losses"},
      {one + "12 12 x 12 12 12 0 1 15 1 1 203  2 57 0 0 0\n",
       "line 6: expected the luck of hero 1"},
      {one + "12 12 12 12 12 12 0 1 15 1 1 203  2.5 57 0 0 0\n", "expected the visits left"},
      {one + "12 12 12 12 12 12 0 1 15 26 1 203  2 57 0 0 0\n",
       "expected the weapon number of hero 1 (from 1 to 25), found 26"},
      {one + "12 12 12 12 12 12 0 1 15 1 0 203  2 57 0 0 0\n", "expected the armour number"},
      {"1\nAnna\nAnnie\nX\n40000\n" + kNew, "line 5: expected the status of hero 1 (from -32768"},
  };
  for (const Case& c : cases) {
    writeFile("data/characte.hlw", c.file);
    try {
      READROSTER();
      ADD_FAILURE() << "no error for:\n" << c.file;
    } catch (const FatalError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
          << e.what() << "\nexpected: " << c.message;
    }
  }
}

TEST_F(HeroFileTest, AMissingFileIsFatal) {
  std::filesystem::remove("data/characte.hlw");
  EXPECT_THROW(READROSTER(), FatalError);
}

TEST_F(HeroFileTest, AFailedSaveIsFatalAndLeavesWhatWasThere) {
  std::filesystem::create_directories("data/characte.hlw");
  writeFile("data/characte.hlw/keep", "old");
  NUMBER_OF_PLAYERS = 1;
  PLAYER[1].NAME = "Anna";
  EXPECT_THROW(LEAVE(), FatalError);
  EXPECT_EQ(readFile("data/characte.hlw/keep"), "old");
  EXPECT_FALSE(exists("data/characte.hlw.tmp"));
}

TEST_F(HeroFileTest, EmptyRosterIsTheLineZero) {
  writeFile("data/characte.hlw", "1\nAnna\nAnnie\nX\n0\n" + kNew);
  EMPTYROSTER();
  EXPECT_EQ(readFile("data/characte.hlw"), "0\n");
}
}  // namespace
