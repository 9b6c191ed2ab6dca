#include "store/records.h"

#include <gtest/gtest.h>

#include <string>

#include "kit/crt.h"
#include "kit/ending.h"
#include "store/state.h"
#include "tests/support/world.h"

namespace {
class RecordsTest : public WorldTest {
 protected:
  static std::string lines(int from, int to, const char* end = "\n") {
    std::string text;
    for (int i = from; i <= to; ++i) {
      text += "r" + std::to_string(i) + end;
    }
    return text;
  }
};

TEST_F(RecordsTest, ReadsAtMostThirtyCutToEightyWhateverTheLineEnds) {
  writeFile("data/record.hlw", "32\r\n" + std::string(90, 'x') + "\r\n" + lines(2, 32, "\r"));
  READLA();
  EXPECT_EQ(NUMBER, 30);
  EXPECT_EQ(RESULT[1], std::string(80, 'x'));
  EXPECT_EQ(RESULT[2], "r2");
  EXPECT_EQ(RESULT[30], "r30");
}

TEST_F(RecordsTest, AddingKeepsTheNewestAndDropsTheOldestOfAFullList) {
  struct Case {
    std::string before;
    std::string added;
    std::string after;
  } cases[] = {
      {"0\n", "Arne conquered Tarn", "1\nArne conquered Tarn\n"},
      // A negative count holds no records.
      {"-3\nr1\n", "new", "1\nnew\n"},
      {"2\nr1\nr2\n", std::string(85, 'y'), "3\nr1\nr2\n" + std::string(80, 'y') + "\n"},
      {"30\n" + lines(1, 30), "new", "30\n" + lines(2, 30) + "new\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before.substr(0, 3));
    writeFile("data/record.hlw", c.before);
    ADDRECORD(c.added);
    EXPECT_EQ(readFile("data/record.hlw"), c.after);
  }
}

TEST_F(RecordsTest, ListFlowsTheRecordsUnderItsTitle) {
  writeFile("data/record.hlw", "0\n");
  LISTPLAYERS();
  EXPECT_EQ(screen.row(0), "Heroes That Have Been Defeated");
  EXPECT_EQ(screen.cell(0, 0).fore, 14);
  EXPECT_EQ(screen.row(1), "+++++++++++++++++++++++++++++++");
  EXPECT_EQ(screen.cell(0, 1).fore, 5);
  EXPECT_EQ(screen.row(2), "");

  writeFile("data/record.hlw", "3\nArne conquered Tarn\nBram killed Arne\nTarn conquered Bram\n");
  LISTPLAYERS();
  EXPECT_EQ(screen.row(2), "Arne conquered Tarn Bram killed Arne Tarn conquered Bram");
  EXPECT_EQ(screen.cell(0, 2).fore, 11);
}

TEST_F(RecordsTest, MissingFileIsFatalAndAHangUpSavesTheRoster) {
  EXPECT_THROW(READLA(), FatalError);
  writeFile("data/record.hlw", "1\nArne conquered Tarn\n");
  HANGUP = 1;
  EXPECT_THROW(LISTPLAYERS(), VisitEnd);
  EXPECT_EQ(readFile("data/characte.hlw"), "0\n");
}
}  // namespace
