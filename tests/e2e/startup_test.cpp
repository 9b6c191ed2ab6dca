// Start-up and every way out, in a real terminal.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "tests/e2e/game_folder.h"
#include "tests/e2e/terminal.h"

namespace {
// A terminal colour as the PC number the game uses (0 black, 1 blue ... 4 red ... 15 white).
int pcColour(int terminal) {
  constexpr int kPc[8] = {0, 4, 2, 6, 1, 5, 3, 7};
  return terminal < 0 ? terminal : kPc[terminal & 7] + (terminal & 8);
}

// The foreground a caller sees: a bright one on an 8-colour terminal is bold.
int seenColour(const TermCell& c) {
  return pcColour(c.fore >= 0 && c.fore < 8 && c.bold ? c.fore + 8 : c.fore);
}

}  // namespace

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override { game.writeParams("Tess"); }
  void start() { term.start(game.path(), {"params.txt"}); }
  // Start-up shows the credits and waits under them.
  void reachCredits() {
    start();
    ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
    term.settle();
  }
  GameFolder game;
  PtyTerminal term;
};

// 16 colours where the terminal has them; on an 8-colour one, the bright ones in bold.
TEST_F(StartupTest, ShowsCreditsBannerAndNewsInTheirColours) {
  for (const char* name : {"xterm-256color", "ansi"}) {
    PtyTerminal t;
    t.env["TERM"] = name;
    t.start(game.path(), {"params.txt"});
    ASSERT_TRUE(t.waitFor("[Pause]")) << name << "\n" << t.screenText();
    t.settle();
    auto title = t.find("Stormhallow 2.0 Credits");
    ASSERT_NE(title.first, -1) << name << "\n" << t.screenText();
    EXPECT_EQ(seenColour(t.cell(title.first, title.second)), 2) << name;
    t.send(" ");
    ASSERT_TRUE(t.waitFor("News Bulletin:")) << name << "\n" << t.screenText();
    t.settle();
    auto banner = t.find("-=-=STORMHALLOW=-=-");
    ASSERT_NE(banner.first, -1) << name << "\n" << t.screenText();
    EXPECT_EQ(seenColour(t.cell(banner.first, banner.second)), 12) << name;
    auto news = t.find("Welcome to Esmor!");
    ASSERT_NE(news.first, -1) << name << "\n" << t.screenText();
    EXPECT_EQ(seenColour(t.cell(news.first, news.second)), 15) << name;
    EXPECT_EQ(pcColour(t.cell(news.first, news.second).back), 1) << name << ": white on blue";
    EXPECT_TRUE(t.running()) << name;
  }
}

// A screen file cannot drive the caller's terminal: its control bytes are shown as the
// PC's pictures for them (a question mark without UTF-8), its high bytes as the PC's
// letters and lines.
TEST_F(StartupTest, ScreenFilesShowTheirBytesAsPcCharacters) {
  game.write("text/bullet.hlw", "\x1b[2J\x1b[31mX \x07 \x9a\xcd\n");
  const struct {
    const char* lang;
    const char* shown;
  } cases[] = {{"C.UTF-8", "\u2190[2J\u2190[31mX \u2022 \u00dc\u2550"}, {"C", "?[2J?[31mX ? "}};
  for (const auto& c : cases) {
    PtyTerminal t;
    t.env["LANG"] = c.lang;
    t.start(game.path(), {"params.txt"});
    ASSERT_TRUE(t.waitFor("[Pause]")) << c.lang << "\n" << t.screenText();
    t.settle();
    t.send(" ");
    ASSERT_TRUE(t.waitFor("News Bulletin:")) << c.lang << "\n" << t.screenText();
    t.settle();
    EXPECT_NE(t.find(c.shown).first, -1) << c.lang << "\n" << t.screenText();
  }
}

// Boards set TERM to anything: the game starts, in colour, whatever it says.
TEST_F(StartupTest, StartsWhateverTermSays) {
  for (const char* name : {"ansi", "ansi-bbs", "pc3", static_cast<const char*>(nullptr)}) {
    PtyTerminal other;
    other.env["TERM"] = name;
    other.start(game.path(), {"params.txt"});
    const char* shown = name == nullptr ? "(unset)" : name;
    ASSERT_TRUE(other.waitFor("[Pause]")) << shown << "\n" << other.screenText();
    auto title = other.find("Stormhallow 2.0 Credits");
    EXPECT_EQ(seenColour(other.cell(title.first, title.second)), 2) << shown;
    other.signal(SIGHUP);
    EXPECT_EQ(other.waitExit(), 0) << shown;
  }
}

// The message stays on the screen after the end, though the terminal's description
// switches to an alternate screen.
TEST_F(StartupTest, MissingParameterFileSaysSoAndEndsWithZero) {
  term.start(game.path(), {"nowhere.txt"});
  EXPECT_EQ(term.waitExit(), 0);
  EXPECT_NE(term.find("Parameter file not found.").first, -1) << term.screenText();
  EXPECT_FALSE(std::filesystem::exists(game.path() + "/text/sysop.log"));
}

TEST_F(StartupTest, HangupOrTerminateDuringAKeyWaitEndsTheVisitAtOnce) {
  for (int signum : {SIGHUP, SIGTERM}) {
    PtyTerminal other;
    other.start(game.path(), {"params.txt"});
    ASSERT_TRUE(other.waitFor("[Pause]")) << other.screenText();
    other.settle();
    other.signal(signum);
    EXPECT_EQ(other.waitExit(1000), 0) << strsignal(signum);
    // Before the roster is read nothing is saved.
    EXPECT_EQ(game.read("data/characte.hlw"), "0\n");
  }
}

TEST_F(StartupTest, AGoneTerminalEndsTheVisit) {
  term.inputFromPipe = true;
  start();
  ASSERT_TRUE(term.waitFor("[Pause]")) << term.screenText();
  term.closeInput();
  EXPECT_EQ(term.waitExit(1000), 0);
}

TEST_F(StartupTest, TheTerminalGetsItsModesBack) {
  reachCredits();
  EXPECT_FALSE(term.modesAsBefore()) << "the game runs the terminal raw";
  term.signal(SIGHUP);
  ASSERT_EQ(term.waitExit(), 0);
  EXPECT_TRUE(term.modesAsBefore());
}

TEST_F(StartupTest, AFatalDataErrorIsReportedAfterTheTerminalIsGivenBack) {
  game.write("data/characte.hlw", "many\n");
  reachCredits();
  term.send(" ");
  int status = term.waitExit();
  EXPECT_NE(status, 0);
  EXPECT_NE(status, -1);
  EXPECT_TRUE(term.modesAsBefore());
  EXPECT_NE(term.screenText().find("characte.hlw, line 1"), std::string::npos) << term.screenText();
  EXPECT_EQ(game.read("data/characte.hlw"), "many\n");
}
