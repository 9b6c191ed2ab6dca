// Two visits at once: the second waits for the first and then sees its changes, or
// gives up cleanly; a visit that dies leaves no lock behind.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/e2e/caller.h"
#include "tests/e2e/game_folder.h"
#include "tests/e2e/terminal.h"

namespace {
constexpr const char* kPleaseWait =
    "Another hero walks the streets of Esmor just now; please wait a moment.";

// Every file of the game folder with its text.
std::map<std::string, std::string> filesOf(const GameFolder& game) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(game.path())) {
    if (entry.is_regular_file()) {
      const std::string path = std::filesystem::relative(entry.path(), game.path()).string();
      files[path] = game.read(path);
    }
  }
  return files;
}
}  // namespace

class LockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.write("data/characte.hlw", caller::kRoster);
    game.write("grim.txt", "");
    game.writeParams("Grim");
    game.write("grim.txt", game.read("params.txt"));
    game.writeParams("Tess");
  }
  // A second caller, Grim, whose visit starts while the first is on.
  void startSecond() {
    second.start(game.path(), {"grim.txt"});
    ASSERT_TRUE(second.waitFor(kPleaseWait)) << second.screenText();
    ASSERT_TRUE(second.waitFor("Waiting for the gates to open: 29")) << second.screenText();
  }
  GameFolder game;
  PtyTerminal first;
  PtyTerminal second;
};

TEST_F(LockTest, TheSecondVisitWaitsAndThenSeesTheFirstVisitsChanges) {
  caller::reachCommandPrompt(first, game.path());
  startSecond();
  caller::command(first, "+", "Steel pieces are in the bank.");
  caller::command(first, "q", "Are you sure?");
  first.send("y");
  ASSERT_EQ(first.waitExit(), 0);

  for (int pause = 0; pause < 2; ++pause) {
    ASSERT_TRUE(second.waitFor("[Pause]")) << second.screenText();
    second.settle();
    second.send(" ");
  }
  ASSERT_TRUE(second.waitFor("Command (?):")) << second.screenText();
  second.settle();
  caller::command(second, "q", "Are you sure?");
  second.send("y");
  ASSERT_EQ(second.waitExit(), 0);

  const std::string roster = game.read("data/characte.hlw");
  EXPECT_NE(roster.find(caller::kTessDeposited), std::string::npos) << roster;
  EXPECT_NE(roster.find("12 12 12 12 12 12 90 1 15 1 1 210  2 57 2 1 0\n"), std::string::npos)
      << roster;
  EXPECT_EQ(game.read("text/sysop.log"),
            "   #*#*# Tess Played Stormhallow.\n   #*#*# Grim Played Stormhallow.\n");
}

TEST_F(LockTest, AHangupWhileWaitingEndsTheSecondVisitAtOnceWithoutAFileTouched) {
  caller::reachCommandPrompt(first, game.path());
  const auto before = filesOf(game);
  startSecond();
  second.signal(SIGHUP);
  EXPECT_EQ(second.waitExit(1000), 0);
  EXPECT_EQ(filesOf(game), before);
  first.signal(SIGHUP);
  EXPECT_EQ(first.waitExit(), 0);
}

TEST_F(LockTest, ASecondVisitThatWaitsInVainEndsCleanly) {
  caller::reachCommandPrompt(first, game.path());
  const pid_t firstPid = caller::gameIn(game.path());
  const auto before = filesOf(game);
  startSecond();
  // While it counts down it sleeps.
  const pid_t secondPid = caller::gameIn(game.path(), firstPid);
  ASSERT_GT(secondPid, 0);
  EXPECT_LE(caller::ticksOverASecond(secondPid), sysconf(_SC_CLK_TCK) / 10);
  ASSERT_TRUE(second.waitFor("The gates of Esmor stay closed. Please come back later.", 35000))
      << second.screenText();
  EXPECT_EQ(second.waitExit(), 0);
  EXPECT_TRUE(second.modesAsBefore());
  EXPECT_EQ(filesOf(game), before);
  first.signal(SIGHUP);
  EXPECT_EQ(first.waitExit(), 0);
}

// However a visit ends, even killed outright, the game is free for the next.
TEST_F(LockTest, AKilledVisitLeavesNoLockBehind) {
  caller::reachCommandPrompt(first, game.path());
  first.signal(SIGKILL);
  EXPECT_EQ(first.waitExit(), 128 + SIGKILL);
  second.start(game.path(), {"grim.txt"});
  ASSERT_TRUE(second.waitFor("[Pause]")) << second.screenText();
  EXPECT_EQ(second.find(kPleaseWait).first, -1);
  second.signal(SIGHUP);
  EXPECT_EQ(second.waitExit(), 0);
}
