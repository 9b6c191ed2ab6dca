// The previous roster kept as characte.bak before every save of the hero file.
#include <gtest/gtest.h>

#include <filesystem>

#include "kit/ending.h"
#include "store/herofile.h"
#include "tests/support/world.h"

namespace {
class BackupTest : public WorldTest {};

const std::string kAnna =
    "1\r\nAnna\r\nAnnie\r\n\r\n0\r\n12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\r\n";

TEST_F(BackupTest, AVisitKeepsTheRosterItFoundByteForByte) {
  installDemo();
  writeFile("data/characte.hlw", kAnna);
  writeParams("Anna");
  screen.type("  QY");
  EXPECT_EQ(runVisit(), 0);
  EXPECT_EQ(readFile("data/characte.bak"), kAnna);
  const std::string afterFirst = readFile("data/characte.hlw");
  ASSERT_NE(afterFirst, kAnna);

  // One generation: the next save keeps only the roster the first visit left.
  screen.type("  QY");
  EXPECT_EQ(runVisit(), 0);
  EXPECT_EQ(readFile("data/characte.bak"), afterFirst);
}

TEST_F(BackupTest, TheSysopReRollKeepsTheRosterItEmpties) {
  writeFile("data/characte.hlw", kAnna);
  EMPTYROSTER();
  EXPECT_EQ(readFile("data/characte.hlw"), "0\n");
  EXPECT_EQ(readFile("data/characte.bak"), kAnna);
}

TEST_F(BackupTest, ABackupThatCannotBeWrittenDoesNotStopTheSave) {
  writeFile("data/characte.hlw", kAnna);
  std::filesystem::create_directory("data/characte.bak");
  READROSTER();
  EXPECT_THROW(LEAVE(), VisitEnd);
  EXPECT_EQ(readFile("data/characte.hlw"),
            "1\nAnna\nAnnie\n\n0\n12 12 12 12 12 12 0 1 15 1 1 203  2 57 0 0 0\n");
}
}  // namespace
