#include "flow/screens.h"

#include <gtest/gtest.h>

#include "kit/door.h"
#include "tests/support/world.h"

namespace {
class ScreensTest : public WorldTest {};

TEST_F(ScreensTest, CreditsAreLaidOutInColumnsAndWaitForAKey) {
  screen.type(" ");
  CREDITS();
  EXPECT_EQ(screen.keysLeft(), 0u);
  EXPECT_EQ(screen.row(0), "Stormhallow 2.0 Credits");
  EXPECT_EQ(screen.row(1), "@@@@@@@@@@@@@@@@@@@@@@@");
  EXPECT_EQ(screen.cell(0, 0).fore, 2);
  EXPECT_EQ(screen.cell(0, 1).fore, 2);
  EXPECT_EQ(screen.row(3), "Special Thanks To      : The Authors Of Stormhallow");
  // The authors' and the board's labels line up with it; the number sits under the board.
  EXPECT_EQ(screen.row(2).substr(23, 3), ":  ");
  EXPECT_NE(screen.row(2).find("Stormhallow"), std::string::npos);
  EXPECT_EQ(screen.row(4).substr(23, 2), ": ");
  EXPECT_EQ(screen.row(5).find_first_not_of(' '), 31u);
  EXPECT_FALSE(screen.row(6).empty());
  for (int y = 2; y <= 6; ++y) {
    EXPECT_EQ(screen.cell(0, y).fore, 7) << y;
  }
  EXPECT_EQ(screen.row(7), "");
}

TEST_F(ScreensTest, OnlyTheSysopSeesTheRerollHintUnderTheMenu) {
  const std::string hint = "           SysOp's please press (@) if you wish to reroll the game!";
  for (bool sysop : {false, true}) {
    writeFile("text/menu.hlw", "(Q)uit\n");
    SO = sysop;
    screen.clearTranscript();
    MENUIT();
    EXPECT_EQ(screen.row(0), "(Q)uit");
    EXPECT_EQ(screen.transcript().find(hint) != std::string::npos, sysop);
    EXPECT_EQ(screen.keyWaits(), 0);
  }
  std::remove("text/menu.hlw");
  MENUIT();
  EXPECT_EQ(screen.row(0), "File not found.");
  EXPECT_EQ(screen.row(3), hint);
  EXPECT_EQ(screen.cell(11, 3).fore, 7);
}

TEST_F(ScreensTest, DocsWaitForAKey) {
  writeFile("text/docs.hlw", "How to play.\n");
  screen.type(" ");
  DOCS();
  EXPECT_EQ(screen.row(0), "How to play.");
  EXPECT_EQ(screen.keyWaits(), 1);
}
}  // namespace
