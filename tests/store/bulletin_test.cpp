#include "store/bulletin.h"

#include <gtest/gtest.h>

#include "tests/support/world.h"

namespace {
class BulletinTest : public WorldTest {};

TEST_F(BulletinTest, FourLinesReplaceTheOldBulletinWhenConfirmed) {
  writeFile("text/bullet.hlw", "Old news\n");
  screen.type("Y");
  screen.type("Dragons seen\r\rnear the ford\rBeware!\r");
  screen.type("Y");
  BULLETIN();
  EXPECT_EQ(screen.row(0), "Old news");
  EXPECT_EQ(screen.row(6), "1> Dragons seen");
  EXPECT_EQ(screen.row(7), "2>");
  EXPECT_EQ(screen.cell(0, 6).fore, 14);
  EXPECT_EQ(screen.cell(3, 6).fore, 7);
  EXPECT_NE(screen.transcript().find("Saving Bulletin..."), std::string::npos);
  EXPECT_EQ(readFile("text/bullet.hlw"), "Dragons seen\n\nnear the ford\nBeware!\n");
}

TEST_F(BulletinTest, AnsweringNoKeepsTheOldBulletin) {
  for (const char* keys : {"N", "Ya\rb\rc\rd\rN"}) {
    SCOPED_TRACE(keys);
    writeFile("text/bullet.hlw", "Old news\n");
    screen.type(keys);
    BULLETIN();
    EXPECT_EQ(readFile("text/bullet.hlw"), "Old news\n");
  }
}

TEST_F(BulletinTest, MissingBulletinCanStillBeWritten) {
  screen.type("Ya\rb\rc\rd\rY");
  BULLETIN();
  EXPECT_EQ(screen.row(0), "File not found.");
  EXPECT_EQ(readFile("text/bullet.hlw"), "a\nb\nc\nd\n");
}
}  // namespace
