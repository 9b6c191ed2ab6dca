#include "kit/textfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "kit/ending.h"
#include "tests/support/world.h"

class TextFileTest : public WorldTest {
 protected:
  // The fatal message of `read`, or "" when it went through.
  template <typename Read>
  std::string failureOf(const std::string& contents, Read read) {
    writeFile("data/f.hlw", contents);
    TextFile f;
    f.openOrDie("data/f.hlw");
    try {
      read(f);
    } catch (const FatalError& e) {
      return e.what();
    }
    return "";
  }
};

TEST_F(TextFileTest, TakesEveryKindOfLineEnd) {
  writeFile("data/f.hlw", "one\ntwo\r\nthree\rfour");
  TextFile f;
  f.openOrDie("data/f.hlw");
  EXPECT_EQ(f.readLine(240), "one");
  EXPECT_EQ(f.readLine(240), "two");
  EXPECT_EQ(f.readLine(3), "thr");
  EXPECT_EQ(f.line(), 4);
  EXPECT_EQ(f.readLine(240), "four");
  EXPECT_TRUE(f.eof());
}

TEST_F(TextFileTest, ReadsNumbersAcrossBlanksAndLineEnds) {
  writeFile("data/f.hlw", "  12 rest\n\n\t-3.5\n1e3 .5 5.\n");
  TextFile f;
  f.openOrDie("data/f.hlw");
  EXPECT_EQ(f.readInt("a"), 12);
  f.skipLine();
  EXPECT_DOUBLE_EQ(f.readReal("b"), -3.5);
  EXPECT_DOUBLE_EQ(f.readReal("c"), 1000.0);
  EXPECT_DOUBLE_EQ(f.readReal("d"), 0.5);
  EXPECT_DOUBLE_EQ(f.readReal("e"), 5.0);
}

TEST_F(TextFileTest, BadOrMissingFieldsAreFatalNamingFileLineAndWhat) {
  struct Case {
    const char* what;
    std::string contents;
    std::function<void(TextFile&)> read;
    const char* expected;
  };
  const Case cases[] = {
      {"a word for a whole number", "0\nten\n",
       [](TextFile& f) {
         f.readInt("the count");
         f.readInt("the gold");
       },
       "data/f.hlw, line 2: expected the gold (a whole number), found \"ten\""},
      {"a fraction for a whole number", "1.5\n", [](TextFile& f) { f.readInt("the count"); },
       "line 1: expected the count (a whole number), found \"1.5\""},
      {"rubbish after a real", "2.5x\n", [](TextFile& f) { f.readReal("the price"); },
       "line 1: expected the price (a number), found \"2.5x\""},
      {"a number after the end", "1\n\n",
       [](TextFile& f) {
         f.readInt("the count");
         f.readInt("a record");
       },
       "line 3: the file ends where a record was expected"},
      {"a line after the end", "name\n",
       [](TextFile& f) {
         f.readField(30, "the name");
         f.readField(30, "the cry");
       },
       "line 2: the file ends where the cry was expected"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(failureOf(c.contents, c.read).find(c.expected), std::string::npos)
        << c.what << ": " << failureOf(c.contents, c.read);
  }
}

TEST_F(TextFileTest, AMissingFileIsFatalOnlyWhenItMustExist) {
  TextFile f;
  EXPECT_FALSE(f.open("data/none.hlw"));
  EXPECT_THROW(f.openOrDie("data/none.hlw"), FatalError);
}

TEST_F(TextFileTest, SaveReplacesTheFileWholeKeepingItsPermissions) {
  writeFile("data/roster.hlw", "old and longer\n");
  chmod("data/roster.hlw", 0640);
  SAVEFILE("data/roster.hlw", "new\n");
  EXPECT_EQ(readFile("data/roster.hlw"), "new\n");
  struct stat st {};
  stat("data/roster.hlw", &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_FALSE(exists("data/roster.hlw.tmp"));
}

TEST_F(TextFileTest, AFailedSaveIsFatalAndLeavesTheOldFile) {
  writeFile("data/roster.hlw", "old\n");
  std::filesystem::create_directory("data/roster.hlw.tmp");
  try {
    SAVEFILE("data/roster.hlw", "new\n");
    ADD_FAILURE() << "the save went through";
  } catch (const FatalError& e) {
    EXPECT_NE(std::string(e.what()).find("data/roster.hlw: cannot be written"), std::string::npos)
        << e.what();
  }
  EXPECT_EQ(readFile("data/roster.hlw"), "old\n");
  EXPECT_THROW(SAVEFILE("nofolder/roster.hlw", "x"), FatalError);
}
