// The installation checker on a small game folder, broken one fault at a time.
#include "flow/check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "tests/support/world.h"

namespace {
std::string lines(int n, const std::string& line) {
  std::string text;
  for (int i = 0; i < n; ++i) {
    text += line + "\n";
  }
  return text;
}

const std::string kHero =
    "Anna\nAnnie\nFor Esmor!\n0\n12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\n";
const std::string kMonster = "Grey Field Rat\n16 1.3 0.2 1.0 10 12 10 50 6\n";

class CheckTest : public WorldTest {
 protected:
  // A playable game folder of the smallest files.
  void writeGame() {
    writeFile("data/characte.hlw", "1\n" + kHero);
    writeFile("data/weapons.hlw", lines(25, "Stick\n1 2"));
    writeFile("data/armor.hlw", lines(25, "Tunic"));
    writeFile("data/prices.hlw", lines(25, "20"));
    writeFile("data/experience.hlw", lines(28, "150"));
    writeFile("data/date.hlw", "12/10/26\n");
    writeFile("data/record.hlw", "1\nAnna beat Brom.\n");
    for (int area = 1; area <= 5; ++area) {
      writeFile("data/junkm" + std::to_string(area) + ".hlw", "1\n" + kMonster);
    }
    for (const char* name : {"menu", "docs", "plug", "guards", "bullet"}) {
      writeFile(std::string("text/") + name + ".hlw",
                "\x03"
                "1Hello\n");
    }
  }
  static int check(const std::string& game, std::string& report) {
    std::ostringstream out;
    const int status = CHECKFOLDER(game, out);
    report = out.str();
    return status;
  }
};

TEST_F(CheckTest, ASoundFolderIsPlayable) {
  writeGame();
  std::string report;
  EXPECT_EQ(check(".", report), 0);
  EXPECT_EQ(report, ".: playable (0 errors, 0 warnings)\n");
}

TEST_F(CheckTest, ReportsEachFaultWithItsFileLineAndWhatWasExpected) {
  const std::string name40 = std::string(30, 'N') + "0123456789";
  struct Case {
    const char* fault;
    const char* file;  // "": remove the file
    std::string contents;
    int status;
    std::string report;
  } cases[] = {
      {"a missing data file", "data/weapons.hlw", "", 1,
       "error: ./data/weapons.hlw: cannot be opened (No such file or directory)\n"},
      {"a roster that ends early", "data/characte.hlw", "2\n" + kHero, 1,
       "error: ./data/characte.hlw, line 7: the file ends where the user name of hero 2 was "
       "expected\n"},
      {"a roster with more heroes than its count", "data/characte.hlw", "1\n" + kHero + kHero, 1,
       "error: ./data/characte.hlw, line 7: expected the end of the file after the heroes line 1 "
       "counts (1): the rest would be lost at the next save\n"},
      {"a roster above 30 heroes", "data/characte.hlw", "31\n" + kHero, 1,
       "error: ./data/characte.hlw, line 1: expected the number of heroes (from 0 to 30), found "
       "31\n"},
      {"a number that is not a number", "data/prices.hlw", "20\n120\nten\n", 1,
       "error: ./data/prices.hlw, line 3: expected the price of item 3 (a number), found "
       "\"ten\"\n"},
      {"a hero's name cut at 30", "data/characte.hlw",
       "1\n" + name40 + "\nAnnie\n\n0\n12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\n", 0,
       "warning: ./data/characte.hlw, line 2: a name is cut at 30 characters to \"" +
           std::string(30, 'N') + "\"\n"},
      {"a weapon's name cut at 30", "data/weapons.hlw",
       name40 + "\n1 2\n" + lines(24, "Stick\n1 2"), 0,
       "warning: ./data/weapons.hlw, line 1: a name is cut at 30 characters to \"" +
           std::string(30, 'N') + "\"\n"},
      {"a day file that is not a date", "data/date.hlw", "2026-12-10\n", 0,
       "warning: ./data/date.hlw, line 1: expected the last game day as MM/DD/YY, found "
       "\"2026-12-10\": the next visit takes it for an old day\n"},
      {"fight records beyond their count", "data/record.hlw",
       "1\nAnna beat Brom.\nBrom beat Cara.\n", 0,
       "warning: ./data/record.hlw, line 3: expected the end of the file after the fight records "
       "read (1; line 1 counts them, 30 at most): the rest are not shown\n"},
      {"fewer fight records than their count", "data/record.hlw", "2\nAnna beat Brom.\n", 1,
       "error: ./data/record.hlw, line 3: the file ends where fight record 2 was expected\n"},
      {"a monster that would divide by zero", "data/junkm2.hlw",
       "1\nGrey Field Rat\n16 1.3 0.2 0 10 12 10 50 6\n", 1,
       "error: ./data/junkm2.hlw, line 3: monster record 1: the armour number must be above 0, "
       "found 0\n"},
      {"more monsters than their count", "data/junkm3.hlw", "1\n" + kMonster + kMonster, 0,
       "warning: ./data/junkm3.hlw, line 4: expected the end of the file after the monsters line "
       "1 counts (1): the rest are never met\n"},
      {"fewer monsters than their count", "data/junkm4.hlw", "2\n" + kMonster, 1,
       "error: ./data/junkm4.hlw, line 4: the file ends where the name of monster record 2 was "
       "expected\n"},
      {"a monster's name cut at 30", "data/junkm5.hlw", "1\n" + name40 + "\n1 1 1 1 1 1 1 1 1\n", 0,
       "warning: ./data/junkm5.hlw, line 2: a name is cut at 30 characters to \"" +
           std::string(30, 'N') + "\"\n"},
      {"a missing screen", "text/plug.hlw", "", 0,
       "warning: ./text/plug.hlw: missing: the game shows \"File not found.\" in its place\n"},
      {"a screen line past 240 characters", "text/docs.hlw", "Hi\n" + std::string(241, '-') + "\n",
       0,
       "warning: ./text/docs.hlw, line 2: expected at most 240 characters: the rest is not "
       "shown\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    writeGame();
    if (c.contents.empty()) {
      std::filesystem::remove(c.file);
    } else {
      writeFile(c.file, c.contents);
    }
    std::string report;
    EXPECT_EQ(check(".", report), c.status);
    const char* verdict = c.status == 0 ? ".: playable (0 errors, 1 warning)\n"
                                        : ".: not playable (1 error, 0 warnings)\n";
    EXPECT_EQ(report, c.report + verdict);
  }
}

TEST_F(CheckTest, ReportsEveryProblemAtOnce) {
  writeGame();
  std::filesystem::remove("data/armor.hlw");
  writeFile("data/date.hlw", "yesterday\n");
  std::filesystem::remove("text/menu.hlw");
  std::string report;
  EXPECT_EQ(check(".", report), 1);
  EXPECT_EQ(report,
            "error: ./data/armor.hlw: cannot be opened (No such file or directory)\n"
            "warning: ./data/date.hlw, line 1: expected the last game day as MM/DD/YY, found "
            "\"yesterday\": the next visit takes it for an old day\n"
            "warning: ./text/menu.hlw: missing: the game shows \"File not found.\" in its place\n"
            ".: not playable (1 error, 2 warnings)\n");
}

TEST_F(CheckTest, AMissingDataFolderIsAnErrorAMissingTextFolderAWarning) {
  writeGame();
  std::filesystem::remove_all("data");
  std::filesystem::remove_all("text");
  std::string report;
  EXPECT_EQ(check(".", report), 1);
  EXPECT_EQ(report,
            "error: ./data: missing: it holds the roster, the tables, the monsters and the game "
            "day\n"
            "warning: ./text: missing: every screen would show \"File not found.\"\n"
            ".: not playable (1 error, 1 warning)\n");
  EXPECT_EQ(check("nowhere", report), 1);
  EXPECT_EQ(report, "error: nowhere: not a folder\nnowhere: not playable (1 error, 0 warnings)\n");
}
}  // namespace
