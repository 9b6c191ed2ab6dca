// Whole visits of the real game on a copy of the demo installation.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/game_folder.h"
#include "tests/e2e/terminal.h"

namespace {
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

// A hero who has played before: slain by Grim since its last visit, on an old game day.
constexpr const char* kReturningRoster =
    "2\n"
    "Tess\nTess the Bold\nOnward!\n1\nGrim\n"
    "14 12 12 12 11 12 500 2 20 3 2 300  0 100 1 0 0\n"
    "Grim\nGrim\nNone shall pass.\n0\n"
    "12 12 12 12 12 12 90 1 15 1 1 210  3 57 2 1 0\n";
}  // namespace

class VisitTest : public ::testing::Test {
 protected:
  void SetUp() override { game.writeParams("Tess"); }

  // From the start to the command prompt; a new caller gives a battle cry on the way.
  // `shown` is expected under the pause before the character sheet.
  // A new caller, from the start past the credits to the battle-cry question.
  void reachBattleCry(PtyTerminal& term) {
    term.start(game.path(), {"params.txt"});
    ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
    term.settle();
    term.send(" ");
    ASSERT_TRUE(term.waitFor("Enter your new Battle Cry.")) << term.screenText();
    term.settle();
  }

  void reachCommandPrompt(PtyTerminal& term, const char* battleCry, const char* shown = "") {
    term.start(game.path(), {"params.txt"});
    ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
    term.settle();
    term.send(" ");
    if (battleCry != nullptr) {
      ASSERT_TRUE(term.waitFor("Enter your new Battle Cry.")) << term.screenText();
      term.settle();
      term.send(std::string(battleCry) + "\r");
      ASSERT_TRUE(term.waitFor("Is this correct?")) << term.screenText();
      term.settle();
      term.send("y");
    }
    ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
    term.settle();
    EXPECT_NE(term.screenText().find(shown), std::string::npos) << term.screenText();
    term.send(" ");
    ASSERT_TRUE(term.waitFor("Command (?):")) << term.screenText();
    term.settle();
  }

  void quit(PtyTerminal& term) {
    term.send("q");
    ASSERT_TRUE(term.waitFor("LEAVE ESMOR? Are you sure?")) << term.screenText();
    term.settle();
    term.send("y");
  }

  GameFolder game;
};

TEST_F(VisitTest, ANewCallerMakesAHeroLooksAtTheMenuAndLeaves) {
  PtyTerminal term;
  reachCommandPrompt(term, "For glory!");
  term.send("?");
  ASSERT_TRUE(term.waitFor("Re-roll the game (sysop)")) << term.screenText();
  // The menu's frame is drawn in PC box characters.
  EXPECT_EQ(term.cell(0, term.find("STORMHALLOW  ~").second - 1).ch, "\u2554");
  quit(term);
  ASSERT_EQ(term.waitExit(), 0);
  EXPECT_NE(term.find("LEAVE ESMOR? Are you sure?Yes").first, -1)
      << "the last screen stays after the end\n"
      << term.screenText();

  std::vector<std::string> roster = linesOf(game.read("data/characte.hlw"));
  ASSERT_EQ(roster.size(), 6u) << game.read("data/characte.hlw");
  EXPECT_EQ(roster[0], "1");
  EXPECT_EQ(roster[1], "Tess");
  EXPECT_EQ(roster[2], "Tess");
  EXPECT_EQ(roster[3], "For glory!");
  EXPECT_EQ(roster[4], "0");
  EXPECT_TRUE(std::regex_match(roster[5], std::regex("12 12 12 12 12 12 0 1 1[3-6] 1 1 "
                                                     "(17[5-9]|1[89][0-9]|2[0-7][0-9])  2 "
                                                     "[0-9]+ 0 0 0")))
      << roster[5];
  EXPECT_NE(game.read("text/sysop.log").find("   #*#*# Tess Played Stormhallow.\n"),
            std::string::npos);
  EXPECT_TRUE(std::regex_match(game.read("data/date.hlw"),
                               std::regex("[01][0-9]/[0-3][0-9]/[0-9][0-9]\n")));
}

TEST_F(VisitTest, AReturningCallerLearnsOfTheDefeatAndKeepsTheHero) {
  game.write("data/characte.hlw", kReturningRoster);
  PtyTerminal term;
  reachCommandPrompt(term, nullptr, "A defeat was lead over you by Grim.");
  EXPECT_NE(term.screenText().find("Tess the Bold"), std::string::npos) << term.screenText();
  quit(term);
  ASSERT_EQ(term.waitExit(), 0);
  // The new day gave 3 visits and this one took one; the defeat mark was shown and cleared.
  EXPECT_EQ(game.read("data/characte.hlw"),
            "2\n"
            "Tess\nTess the Bold\nOnward!\n0\n"
            "14 12 12 12 11 12 500 2 20 3 2 300  2 100 1 0 0\n"
            "Grim\nGrim\nNone shall pass.\n0\n"
            "12 12 12 12 12 12 90 1 15 1 1 210  3 57 2 1 0\n");
}

TEST_F(VisitTest, AHangupAtTheCommandPromptSavesTheHero) {
  PtyTerminal term;
  reachCommandPrompt(term, "Farewell");
  term.signal(SIGHUP);
  ASSERT_EQ(term.waitExit(1000), 0);
  std::vector<std::string> roster = linesOf(game.read("data/characte.hlw"));
  ASSERT_EQ(roster.size(), 6u);
  EXPECT_EQ(roster[3], "Farewell");
}

// Ctrl-C, Ctrl-Q and Ctrl-S are keys, not signals or flow control; the terminal's delete
// key is a backspace; an arrow key is 0 and a second code (72, an H to line input); the
// line feed after a carriage return is no second Enter.
TEST_F(VisitTest, RawKeysReachTheGame) {
  PtyTerminal term;
  reachBattleCry(term);
  term.send(
      "\x03\x11"
      "ab\x7f"
      "c\x1b[A\x13\r\n");
  ASSERT_TRUE(term.waitFor(">acH")) << term.screenText();
  ASSERT_TRUE(term.waitFor("Is this correct?")) << term.screenText();
  term.settle();
  term.send("y");
  ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
  term.signal(SIGHUP);
  ASSERT_EQ(term.waitExit(), 0);
  std::vector<std::string> roster = linesOf(game.read("data/characte.hlw"));
  ASSERT_EQ(roster.size(), 6u) << game.read("data/characte.hlw");
  EXPECT_EQ(roster[3], "acH");
}

// The pause after the login still comes, but a gone caller's key wait ends at once.
TEST_F(VisitTest, AHangupDuringTheBattleCryEndsTheVisitAtOnceWithTheHeroSaved) {
  PtyTerminal term;
  reachBattleCry(term);
  term.send("Half");
  ASSERT_TRUE(term.waitFor(">Half")) << term.screenText();
  term.settle();
  term.signal(SIGHUP);
  ASSERT_EQ(term.waitExit(1000), 0);
  std::vector<std::string> roster = linesOf(game.read("data/characte.hlw"));
  ASSERT_EQ(roster.size(), 6u) << game.read("data/characte.hlw");
  EXPECT_EQ(roster[1], "Tess");
  // What was typed before the line dropped is the cry.
  EXPECT_EQ(roster[3], "Half");
}

// A save cut short leaves the roster as it was, whole, and the next visit reads it.
TEST_F(VisitTest, AGameKilledDuringTheSaveLeavesTheOldRoster) {
  game.write("data/characte.hlw", kReturningRoster);
  {
    PtyTerminal term;
    term.fileSizeLimit = 120;  // room for the log line and the day file, not the roster
    reachCommandPrompt(term, nullptr);
    quit(term);
    EXPECT_EQ(term.waitExit(), 128 + SIGXFSZ);
    EXPECT_TRUE(term.modesAsBefore());
    EXPECT_EQ(game.read("data/characte.hlw"), kReturningRoster);
  }
  PtyTerminal next;
  reachCommandPrompt(next, nullptr);
  quit(next);
  EXPECT_EQ(next.waitExit(), 0);
  EXPECT_NE(game.read("data/characte.hlw").find("Tess the Bold"), std::string::npos);
}

TEST_F(VisitTest, ASaveThatFailsIsReportedAndLeavesTheOldRoster) {
  game.write("data/characte.hlw", kReturningRoster);
  // Where the save writes its new roster first, something that cannot be written.
  std::filesystem::create_directory(game.path() + "/data/characte.hlw.tmp");
  PtyTerminal term;
  reachCommandPrompt(term, nullptr);
  quit(term);
  EXPECT_EQ(term.waitExit(), 2);
  EXPECT_TRUE(term.modesAsBefore());
  EXPECT_NE(term.screenText().find("characte.hlw: cannot be written"), std::string::npos)
      << term.screenText();
  EXPECT_EQ(game.read("data/characte.hlw"), kReturningRoster);
}
