// A line that drops, a host that signals, a caller who vanishes or idles, and text from
// files that tries to steer the caller's terminal: the real game in a real terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "tests/e2e/caller.h"
#include "tests/e2e/game_folder.h"
#include "tests/e2e/terminal.h"

namespace {
struct SignalCase {
  const char* where;
  const char* keys;   // after the deposit at the command prompt
  const char* shown;  // what the game shows before it waits
  int signum;
};

// Well within the few seconds a host gives between its hang-up and its kill.
constexpr int kDeadlineMs = 3000;
}  // namespace

class FaultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.writeParams("Tess");
    game.write("data/characte.hlw", caller::kRoster);
  }
  // The visit is over, whole, with Tess's deposit in the roster.
  void expectSavedWithTheDeposit() {
    const std::string roster = game.read("data/characte.hlw");
    EXPECT_NE(roster.find(caller::kTessDeposited), std::string::npos) << roster;
    EXPECT_NE(roster.find("Grim\nGrim\nNone shall pass.\n"), std::string::npos) << roster;
  }
  GameFolder game;
  PtyTerminal term;
};

class SignalDuring : public FaultsTest, public testing::WithParamInterface<SignalCase> {};

TEST_P(SignalDuring, TheVisitSavesAndEndsInTime) {
  const SignalCase& c = GetParam();
  caller::reachCommandPrompt(term, game.path());
  caller::command(term, "+", "Steel pieces are in the bank.");
  caller::command(term, c.keys, c.shown);
  term.signal(c.signum);
  EXPECT_EQ(term.waitExit(kDeadlineMs), 0) << c.where;
  expectSavedWithTheDeposit();
  EXPECT_TRUE(term.modesAsBefore());
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfWait, SignalDuring,
                         testing::Values(SignalCase{"Pause", "v", "[Pause]", SIGHUP},
                                         SignalCase{"YesOrNo", "q", "Are you sure?", SIGHUP},
                                         SignalCase{"LineInput", "*", ">", SIGHUP},
                                         SignalCase{"Battle", "1", "(B,F,S):", SIGHUP},
                                         SignalCase{"BattleTerminated", "1", "(B,F,S):", SIGTERM},
                                         SignalCase{"Shop", "w", "(Q)uit?", SIGHUP}),
                         [](const testing::TestParamInfo<SignalCase>& c) {
                           return std::string(c.param.where);
                         });

// A display far longer than the screen: the signal stops it part way.
TEST_F(FaultsTest, AHangupDuringALongDisplaySavesAndEndsInTime) {
  std::string plug;
  for (int n = 0; n < 20000; ++n) {
    plug += "The plug of a very long advertisement, line " + std::to_string(n) + ".\n";
  }
  game.write("text/plug.hlw", plug);
  caller::reachCommandPrompt(term, game.path());
  caller::command(term, "+", "Steel pieces are in the bank.");
  term.send("p");
  usleep(50 * 1000);
  term.signal(SIGHUP);
  EXPECT_EQ(term.waitExit(kDeadlineMs), 0);
  expectSavedWithTheDeposit();
}

// No signal at all: the input just ends, as a dropped network line does. The keys go
// down the game's input pipe, opened a second time through /proc.
TEST_F(FaultsTest, ACallerWhoseInputEndsInABattleIsSaved) {
  term.inputFromPipe = true;
  term.start(game.path(), {"params.txt"});
  ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
  const pid_t pid = caller::gameIn(game.path());
  ASSERT_GT(pid, 0);
  const int input = open(("/proc/" + std::to_string(pid) + "/fd/0").c_str(), O_WRONLY);
  ASSERT_GE(input, 0);
  const auto type = [&](const std::string& keys, const std::string& shown) {
    term.settle();
    ASSERT_EQ(write(input, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    ASSERT_TRUE(term.waitFor(shown)) << term.screenText();
  };
  type(" ", "[Pause]");
  type(" ", "Command (?):");
  type("+", "Steel pieces are in the bank.");
  type("1", "(B,F,S):");
  term.settle();
  close(input);
  term.closeInput();
  EXPECT_EQ(term.waitExit(kDeadlineMs), 0);
  expectSavedWithTheDeposit();
}

TEST_F(FaultsTest, ACallerWhoNeverTypesHoldsTheVisitButNoProcessor) {
  caller::reachCommandPrompt(term, game.path());
  const pid_t pid = caller::gameIn(game.path());
  ASSERT_GT(pid, 0);
  // A tenth of a second over a second of waiting is generous for a process that sleeps.
  EXPECT_LE(caller::ticksOverASecond(pid), sysconf(_SC_CLK_TCK) / 10);
  EXPECT_TRUE(term.running());
  term.signal(SIGHUP);
  EXPECT_EQ(term.waitExit(), 0);
}

// Escape sequences written into the files by hand reach the terminal as visible
// characters: no colour changes, no cleared screen, no cursor sent elsewhere.
TEST_F(FaultsTest, EscapeSequencesFromFilesShowAsPlaceholders) {
  game.write("data/characte.hlw",
             "2\nTess\nTess\nOnward!\n0\n"
             "14 12 12 12 11 12 500 2 20 3 2 300  3 100 1 0 0\n"
             "Grim\n\x1b[41mGRIM\x1b[2J\nNone shall pass.\n0\n"
             "12 12 12 12 12 12 90 1 15 1 1 210  3 57 2 1 0\n");
  game.write("text/bullet.hlw",
             "\x1b[44mNEWS\x1b[1;70H\x1b[5m\x1b"
             "c\n");
  caller::reachCommandPrompt(term, game.path());
  caller::command(term, "r", "GRIM");
  const auto [x, y] = term.find("GRIM");
  EXPECT_EQ(term.find("\u2190[41mGRIM\u2190[2J").first, x - 5) << term.screenText();
  EXPECT_NE(term.cell(x, y).back, 1);
  EXPECT_NE(term.cell(x, y).back, 4);
  // The news, shown again by its command.
  caller::command(term, "e", "Do you wish to enter a News Bulletin?");
  const auto [nx, ny] = term.find("NEWS");
  ASSERT_GE(ny, 0) << term.screenText();
  EXPECT_EQ(term.row(ny), "\u2190[44mNEWS\u2190[1;70H\u2190[5m\u2190c");
  EXPECT_NE(term.cell(nx, ny).back, 4);
  term.send("n");
  term.signal(SIGHUP);
  EXPECT_EQ(term.waitExit(), 0);
}
