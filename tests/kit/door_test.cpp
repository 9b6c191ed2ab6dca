#include "kit/door.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "kit/crt.h"
#include "kit/ending.h"
#include "tests/support/world.h"

namespace {
std::string sample(const std::string& name) {
  std::ifstream in(std::string(SAMPLES_DIR) + "/" + name, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The 19 lines of a parameter file, to change one at a time.
std::vector<std::string> plainLines() {
  return {"7",        "Conan",  "Conan Cimmer", "BARB",       "30",      "M", "12.5",
          "12/10/26", "80",     "25",           "50",         "0",       "1", "1",
          "0",        "3600.0", "/bbs/gfiles/", "/bbs/data/", "door.log"};
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line + "\n";
  }
  return text;
}
}  // namespace

class DoorTest : public WorldTest {
 protected:
  void useParams(const std::string& contents) {
    writeFile("params.txt", contents);
    PARAMFN = folder + "/params.txt";
  }
  // IPORT's fatal message, or "" when it succeeded.
  std::string iportFailure() {
    try {
      IPORT();
    } catch (const FatalError& e) {
      return e.what();
    }
    return "";
  }
};

TEST_F(DoorTest, ReadsTheDropFileOfARealBoard) {
  useParams(sample("chain.txt"));
  HANGUP = 1;
  clock.seconds = 3723.5;
  IPORT();
  EXPECT_EQ(USERNUM, 2);
  EXPECT_EQ(THISUSER.NAME, "TESTER");
  EXPECT_EQ(THISUSER.REALNAME, "Tess Tester");
  EXPECT_EQ(THISUSER.CALLSIGN, "");
  EXPECT_EQ(THISUSER.AGE, 36);
  EXPECT_EQ(THISUSER.SEX, 'F');
  EXPECT_DOUBLE_EQ(THISUSER.GOLD, 100.0);
  EXPECT_EQ(THISUSER.LASTON, "12/11/26");
  EXPECT_EQ(THISUSER.LINELEN, 80);
  EXPECT_EQ(THISUSER.PAGELEN, 25);
  EXPECT_EQ(THISUSER.SL, 30);
  EXPECT_FALSE(CS);
  EXPECT_FALSE(SO);
  EXPECT_TRUE(OKANSI);
  EXPECT_TRUE(INCOM);
  EXPECT_DOUBLE_EQ(TIMELEFT, 1800.0);
  EXPECT_EQ(GFILESPATH, "text/");
  EXPECT_EQ(DATAPATH, "data/");
  EXPECT_EQ(SYSOPFFN, "text/inst-001.log");
  EXPECT_TRUE(exists("text/inst-001.log"));
  EXPECT_FALSE(HANGUP);
  EXPECT_DOUBLE_EQ(TIMEON, 3723.5);
  EXPECT_FALSE(screen.immediate());
  EXPECT_EQ(screen.transcript(), "");
}

TEST_F(DoorTest, ReadsEachLineByItsRule) {
  struct Case {
    const char* what;
    int line;  // from 1
    std::string text;
    std::function<bool()> check;
  };
  const std::string name30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
  const Case cases[] = {
      {"name cut to 25", 2, name30, [&] { return THISUSER.NAME == name30.substr(0, 25); }},
      {"full name cut to 14", 3, "Conan of Cimmeria",
       [] { return THISUSER.REALNAME == "Conan of Cimme"; }},
      {"sex is the first character", 6, "female", [] { return THISUSER.SEX == 'f'; }},
      {"number after blanks and tabs", 5, " \t 44 years", [] { return THISUSER.AGE == 44; }},
      {"width keeps its low eight bits", 9, "300", [] { return THISUSER.LINELEN == 44; }},
      {"width 0 is shown as 80", 9, "0", [] { return THISUSER.LINELEN == 80; }},
      {"width 2 is shown as 80", 9, "2", [] { return THISUSER.LINELEN == 80; }},
      {"width 3 is kept", 9, "3", [] { return THISUSER.LINELEN == 3; }},
      {"flag 2 is false", 13, "2", [] { return !SO; }},
      {"flag -1 is false", 14, "-1", [] { return !OKANSI; }},
      {"flag 0 is false", 13, "0", [] { return !SO; }},
      {"text folder replaced", 17, "/tmp/", [] { return GFILESPATH == "text/"; }},
      {"data folder replaced", 18, "/tmp/", [] { return DATAPATH == "data/"; }},
      {"log name under text/", 19, "sysop.log", [] { return SYSOPFFN == "text/sysop.log"; }},
      {"log path cut to 80", 19, std::string(100, 'l'),
       [] { return SYSOPFFN == "text/" + std::string(75, 'l'); }},
  };
  for (const Case& c : cases) {
    CLOSELOG();
    std::vector<std::string> lines = plainLines();
    lines[static_cast<std::size_t>(c.line - 1)] = c.text;
    useParams(joined(lines));
    EXPECT_EQ(iportFailure(), "") << c.what;
    EXPECT_TRUE(c.check()) << c.what;
  }
}

TEST_F(DoorTest, AnEmptyNumberLineTakesTheNextNumber) {
  // An empty line before the width: the width comes from the line after it, and every
  // later value a line late.
  std::vector<std::string> lines = plainLines();
  lines.insert(lines.begin() + 8, "");
  useParams(joined(lines));
  IPORT();
  EXPECT_EQ(THISUSER.LINELEN, 80);
  EXPECT_EQ(THISUSER.PAGELEN, 25);
  EXPECT_EQ(THISUSER.SL, 50);
  EXPECT_EQ(SYSOPFFN, "text/door.log");
}

TEST_F(DoorTest, BadParameterFilesAreFatalNamingFileLineAndField) {
  struct Case {
    const char* what;
    std::string contents;
    const char* expected;
  };
  std::vector<std::string> wordWidth = plainLines();
  wordWidth[8] = "wide";
  std::vector<std::string> shortFile = plainLines();
  shortFile.resize(16);
  const Case cases[] = {
      {"a word for a number", joined(wordWidth), "params.txt, line 9: expected the screen width"},
      {"ends before line 17", joined(shortFile),
       "line 17: the file ends where the text files folder"},
      {"empty", "", "line 1: the file ends where the user number"},
  };
  for (const Case& c : cases) {
    useParams(c.contents);
    EXPECT_NE(iportFailure().find(c.expected), std::string::npos)
        << c.what << ": " << iportFailure();
    EXPECT_FALSE(exists("text/door.log")) << c.what;
  }
}

TEST_F(DoorTest, MissingParameterFileEndsTheVisitQuietly) {
  std::filesystem::remove_all("data");
  std::filesystem::remove_all("text");
  std::filesystem::create_directory("folder.txt");
  for (const char* name : {"/nowhere.txt", "/folder.txt"}) {
    CLS();
    PARAMFN = folder + name;
    int status = -1;
    try {
      IPORT();
    } catch (const VisitEnd& end) {
      status = end.status;
    }
    EXPECT_EQ(status, 0) << name;
    EXPECT_EQ(screen.row(0), "Parameter file not found.") << name;
    EXPECT_EQ(screen.cursorY(), 1) << name;
    EXPECT_FALSE(exists("text")) << name;
    EXPECT_EQ(SYSOPF, nullptr) << name;
  }
}

TEST_F(DoorTest, WithoutAnArgumentTheParametersComeFromStandardInput) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const std::string text = joined(plainLines());
  ASSERT_EQ(write(pipeEnds[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  close(pipeEnds[1]);
  int savedStdin = dup(0);
  dup2(pipeEnds[0], 0);
  close(pipeEnds[0]);
  std::clearerr(stdin);
  PARAMFN.clear();
  std::string failure = iportFailure();
  dup2(savedStdin, 0);
  close(savedStdin);
  std::clearerr(stdin);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(THISUSER.NAME, "Conan");
  EXPECT_EQ(SYSOPFFN, "text/door.log");
}

TEST_F(DoorTest, CreatesTheWorkingFolders) {
  std::filesystem::remove_all("data");
  std::filesystem::remove_all("text");
  useParams(joined(plainLines()));
  IPORT();
  EXPECT_TRUE(DIREXIST("data"));
  EXPECT_TRUE(DIREXIST("text"));
}

TEST_F(DoorTest, DirexistIsTrueOnlyForADirectory) {
  writeFile("plain.txt", "x");
  EXPECT_TRUE(DIREXIST("data"));
  EXPECT_TRUE(DIREXIST(folder));
  EXPECT_FALSE(DIREXIST("plain.txt"));
  EXPECT_FALSE(DIREXIST("missing"));
  EXPECT_FALSE(DIREXIST(""));
}

TEST_F(DoorTest, SysopLogKeepsItsLinesAndAppendsThreeBlanksAndTheText) {
  writeFile("text/door.log", "   an earlier visit\n");
  useParams(joined(plainLines()));
  IPORT();
  SYSOPLOG("#*#*# Conan Played Stormhallow.");
  SL1("as given");
  SYSOPLOG(std::string(300, 'x'));
  EXPECT_EQ(readFile("text/door.log"),
            "   an earlier visit\n   #*#*# Conan Played Stormhallow.\n"
            "as given\n   " +
                std::string(240, 'x') + "\n");
}

TEST_F(DoorTest, ReturnClosesTheLogAndEndsWithStatusZero) {
  useParams(joined(plainLines()));
  IPORT();
  SYSOPLOG("bye");
  int status = -1;
  try {
    RETURN();
  } catch (const VisitEnd& end) {
    status = end.status;
  }
  EXPECT_EQ(status, 0);
  EXPECT_EQ(SYSOPF, nullptr);
  EXPECT_EQ(readFile("text/door.log"), "   bye\n");
}

TEST_F(DoorTest, ALogThatCannotBeCreatedIsFatal) {
  std::vector<std::string> lines = plainLines();
  lines[18] = "no/such/folder.log";
  useParams(joined(lines));
  EXPECT_NE(iportFailure().find("text/no/such/folder.log"), std::string::npos);
}
