// The caller read from the DOOR32.SYS and DOOR.SYS of today's boards.
#include "kit/dropfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "kit/door.h"
#include "kit/ending.h"
#include "kit/textfile.h"
#include "tests/support/world.h"

namespace {
std::vector<std::string> sampleLines(const std::string& name) {
  std::ifstream in(std::string(SAMPLES_DIR) + "/" + name, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  return text;
}

class DropFileTest : public WorldTest {
 protected:
  void read(const std::string& name, const std::string& contents) {
    writeFile(name, contents);
    TextFile f;
    ASSERT_TRUE(f.open(name));
    READDROPFILE(f);
  }
};

TEST_F(DropFileTest, KnowsTheTwoFormatsByNameInAnyCase) {
  struct Case {
    const char* path;
    bool drop;
  } cases[] = {
      {"DOOR32.SYS", true},
      {"door32.sys", true},
      {"/bbs/node1/Door.Sys", true},
      {"node2/DOOR.SYS", true},
      {"door.sys.txt", false},
      {"mydoor.sys", false},
      {"door32.sys/chain.txt", false},
      {"chain.txt", false},
      {"", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ISDROPFILE(c.path), c.drop) << c.path;
  }
}

TEST_F(DropFileTest, ReadsTheCallerFromTheFilesOfARealBoard) {
  // As the board wrote them, and under a name in capitals.
  const std::pair<const char*, const char*> files[] = {{"door32.sys", "door32.sys"},
                                                       {"DOOR.SYS", "door.sys"}};
  for (const auto& [name, sample] : files) {
    SCOPED_TRACE(name);
    SO = true;
    read(name, joined(sampleLines(sample)));
    EXPECT_EQ(THISUSER.NAME, "TESTER");
    EXPECT_EQ(THISUSER.REALNAME, "Tess Tester");
    EXPECT_EQ(THISUSER.SL, 30);
    EXPECT_EQ(THISUSER.LINELEN, 80);
    EXPECT_EQ(THISUSER.PAGELEN, 25);
    EXPECT_TRUE(OKANSI);
    EXPECT_FALSE(SO);
    EXPECT_EQ(SYSOPFFN, "sysop.log");
  }
  // Only DOOR.SYS holds the seconds, the last call and the record number; DOOR32.SYS
  // counts its time in minutes.
  EXPECT_DOUBLE_EQ(TIMELEFT, 1740);
  EXPECT_EQ(THISUSER.LASTON, "12/11/26");
  EXPECT_EQ(USERNUM, 2);
  read("door32.sys", joined(sampleLines("door32.sys")));
  EXPECT_DOUBLE_EQ(TIMELEFT, 1740 * 60.0);
  EXPECT_EQ(USERNUM, 2);
}

TEST_F(DropFileTest, TakesEachFieldByItsRule) {
  const std::vector<std::string> door32 = sampleLines("door32.sys");
  const std::vector<std::string> doorSys = sampleLines("door.sys");
  struct Case {
    const char* what;
    const char* name;
    std::vector<std::string> lines;
    int line;  // the line to change, from 1; 0: cut the file to `cut` lines
    std::string text;
    std::size_t cut;
    std::string user;
    bool sysop;
    bool ansi;
    double seconds;
  } cases[] = {
      {"level 255 is the sysop", "DOOR32.SYS", door32, 8, "255", 0, "TESTER", true, true, 104400},
      {"level 254 is not", "DOOR32.SYS", door32, 8, "254", 0, "TESTER", false, true, 104400},
      {"a padded level with decimals", "DOOR32.SYS", door32, 8, "   300.00", 0, "TESTER", true,
       true, 104400},
      {"plain text emulation", "DOOR32.SYS", door32, 10, "0", 0, "TESTER", false, false, 104400},
      {"no alias: the real name", "DOOR32.SYS", door32, 7, "", 0, "Tess Tester", false, true,
       104400},
      {"an alias of 30 is cut to 25", "DOOR32.SYS", door32, 7, std::string(30, 'a'), 0,
       std::string(25, 'a'), false, true, 104400},
      {"no graphics", "DOOR.SYS", doorSys, 20, "NG", 0, "TESTER", false, false, 1740},
      {"the sysop", "DOOR.SYS", doorSys, 15, "255", 0, "TESTER", true, true, 1740},
      {"no seconds: the minutes", "DOOR.SYS", doorSys, 18, "", 0, "TESTER", false, true, 1740},
      {"an older board's 31 lines: the real name", "DOOR.SYS", doorSys, 0, "", 31, "Tess Tester",
       false, true, 1740},
      {"CR LF line ends", "DOOR.SYS", doorSys, 36, "Tess\r", 0, "Tess", false, true, 1740},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.line > 0) {
      c.lines[static_cast<std::size_t>(c.line - 1)] = c.text;
    } else {
      c.lines.resize(c.cut);
    }
    read(c.name, joined(c.lines));
    EXPECT_EQ(THISUSER.NAME, c.user);
    EXPECT_EQ(SO, c.sysop);
    EXPECT_EQ(OKANSI, c.ansi);
    EXPECT_DOUBLE_EQ(TIMELEFT, c.seconds);
  }
}

TEST_F(DropFileTest, AFileWithoutTheCallersNameIsFatal) {
  struct Case {
    const char* name;
    std::string contents;
    const char* message;
  } cases[] = {
      {"DOOR32.SYS", "", "DOOR32.SYS, line 7: expected the caller's alias or real name"},
      {"DOOR.SYS", "COM1:\n38400\n", "DOOR.SYS, line 36: expected the caller's alias or real name"},
  };
  for (const Case& c : cases) {
    try {
      read(c.name, c.contents);
      ADD_FAILURE() << c.name << " was read";
    } catch (const FatalError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}
}  // namespace

namespace {
TEST_F(DropFileTest, AVisitStartsFromEitherDropFile) {
  const std::string roster =
      "1\nTESTER\nTess the Bold\nOnward!\n0\n12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\n";
  const std::pair<const char*, const char*> files[] = {{"DOOR32.SYS", "door32.sys"},
                                                       {"door.sys", "door.sys"}};
  for (const auto& [name, sample] : files) {
    SCOPED_TRACE(name);
    installDemo();
    writeFile("data/characte.hlw", roster);
    writeFile("text/sysop.log", "");
    writeFile(name, joined(sampleLines(sample)));
    PARAMFN = folder + "/" + name;
    screen.type("  QY");
    EXPECT_EQ(runVisit(), 0);
    EXPECT_EQ(readFile("text/sysop.log"), "   #*#*# TESTER Played Stormhallow.\n");
    EXPECT_EQ(readFile("data/characte.hlw").rfind("1\nTESTER\nTess the Bold\n", 0), 0u)
        << readFile("data/characte.hlw");
  }
}
}  // namespace
