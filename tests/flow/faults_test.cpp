// Faults over whole visits: a line that drops at every kind of prompt, and a game that
// another visit holds.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <functional>
#include <string>
#include <utility>

#include "kit/console.h"
#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "kit/ending.h"
#include "tests/flow/game_world.h"

namespace {
const std::string kStart = "  ";  // the credits' pause and the pause after the login
const std::string kRat = "1\nRat\n20 5 5 1 1 1 1 3 10\n";

// The screen model, and something more that happens when the caller's key x arrives.
class Tripwire : public Console {
 public:
  explicit Tripwire(ScreenModel& screen) : screen_(screen) {}
  void WRITE(unsigned char ch) override { screen_.WRITE(ch); }
  void TEXTCOLOR(int c) override { screen_.TEXTCOLOR(c); }
  void TEXTBACKGROUND(int b) override { screen_.TEXTBACKGROUND(b); }
  void NORMVIDEO() override { screen_.NORMVIDEO(); }
  int WHEREX() override { return screen_.WHEREX(); }
  void CLRSCR() override { screen_.CLRSCR(); }
  unsigned char READKEY() override {
    unsigned char key = screen_.READKEY();
    if (key == 'x' && then) {
      then();
    }
    return key;
  }
  bool NKEYPRESSED(int ms) override { return screen_.NKEYPRESSED(ms); }
  void NDONOW(bool now) override { screen_.NDONOW(now); }
  void SOUND(int hz) override { screen_.SOUND(hz); }
  void DONE() override { screen_.DONE(); }

  std::function<void()> then;

 private:
  ScreenModel& screen_;
};

class FaultsTest : public GameWorld {
 protected:
  void SetUp() override {
    GameWorld::SetUp();
    installGame(rosterFile({anna, brom}));
    writeFile("data/junkm1.hlw", kRat);
    CRT = &tripwire;
  }
  void TearDown() override {
    if (heldLock >= 0) {
      ::close(heldLock);
    }
    GameWorld::TearDown();
  }

  // Another visit holding the game, as far as this one can tell.
  void holdGame() {
    heldLock = ::open("data", O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(heldLock, LOCK_EX | LOCK_NB), 0);
  }
  // A key typed ahead whose arrival also brings `then` (a signal, the other visit ending).
  void whenKeyArrives(std::function<void()> then) {
    screen.typeAhead("x");
    tripwire.then = std::move(then);
  }

  HeroSpec anna{.name = "Anna", .experience = 500};
  HeroSpec brom{.name = "Brom", .experience = 100};
  int heldLock = -1;
  Tripwire tripwire{screen};
};

// Anna's first act in every case below is a deposit: 100 Steel moves to the bank.
std::string annaAfterDeposit(std::string roster) {
  const std::string before = "1 1 100  2 50 ";
  roster.replace(roster.find(before), before.size(), "1 1 0  2 150 ");
  return roster;
}

struct DropCase {
  const char* prompt;
  const char* keys;  // after the deposit, up to the prompt where the line drops
  bool logged;       // the visit ends through the command loop, with its log line
};

class LineDrops : public FaultsTest, public testing::WithParamInterface<DropCase> {};

TEST_P(LineDrops, TheVisitEndsWithEveryEarlierChangeSaved) {
  const DropCase& drop = GetParam();
  screen.type(kStart + "+" + drop.keys);
  screen.hangupHere();
  EXPECT_EQ(visit("Anna"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"),
            annaAfterDeposit(rosterFile({{.name = "Anna", .experience = 500, .flights = 2},
                                         {.name = "Brom", .experience = 100}})));
  EXPECT_EQ(sysopLog(), drop.logged ? "   #*#*# Anna Played Stormhallow.\n" : "");
  EXPECT_EQ(screen.keysLeft(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfPrompt, LineDrops,
    testing::Values(DropCase{"command key", "", true}, DropCase{"yes or no", "Q", true},
                    DropCase{"line input", "*CREST", true}, DropCase{"pause", "V", true},
                    DropCase{"news lines", "EY", true}, DropCase{"battle", "1", false},
                    DropCase{"battle, after blows", "1B", false}, DropCase{"shop menu", "W", false},
                    DropCase{"shop item number", "WP", false}, DropCase{"shop sale", "WS", false},
                    DropCase{"clerics", "H", false}, DropCase{"gallery wager", "G", true},
                    DropCase{"training", "T", true}, DropCase{"spying", "Z", true},
                    DropCase{"hero fight", "A", true}, DropCase{"rankings", "R", true},
                    DropCase{"fight records", "F", true}),
    [](const testing::TestParamInfo<DropCase>& drop) {
      std::string name;
      for (const char* c = drop.param.prompt; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)) != 0) {
          name += *c;
        }
      }
      return name;
    });

// A signal in the middle of a list: the display stops and the visit saves at once.
TEST_F(FaultsTest, AHangUpWhileTheFightRecordsScrollSavesTheRoster) {
  std::string records = "30\n";
  for (int n = 1; n <= 30; ++n) {
    records += "Brom beat a rat for the " + std::to_string(n) + ". time.\n";
  }
  writeFile("data/record.hlw", records);
  screen.type(kStart + "+F");
  whenKeyArrives([] { HANGUP = 1; });
  EXPECT_EQ(visit("Anna"), 0);
  EXPECT_EQ(readFile("data/characte.hlw"),
            annaAfterDeposit(rosterFile({{.name = "Anna", .experience = 500, .flights = 2},
                                         {.name = "Brom", .experience = 100}})));
  EXPECT_EQ(sysopLog(), "");
}

TEST_F(FaultsTest, AGameInUseTurnsTheCallerAwayAfterACountdownWithoutTouchingAFile) {
  writeFile("data/date.hlw", "12/10/26\n");
  holdGame();
  EXPECT_EQ(visit("Anna", kStart + "QY"), 0);
  EXPECT_EQ(timesWritten("Another hero walks the streets of Esmor just now; please wait a moment."),
            1);
  EXPECT_EQ(timesWritten("Waiting for the gates to open: 30 "), 1);
  EXPECT_EQ(timesWritten("Waiting for the gates to open:  1 "), 1);
  EXPECT_TRUE(onScreen("The gates of Esmor stay closed. Please come back later."));
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({anna, brom}));
  EXPECT_EQ(readFile("data/date.hlw"), "12/10/26\n");
  EXPECT_EQ(sysopLog(), "");
}

TEST_F(FaultsTest, AHangUpWhileWaitingForTheGameEndsTheWaitAtOnce) {
  holdGame();
  whenKeyArrives([] { HANGUP = 1; });
  EXPECT_EQ(visit("Anna"), 0);
  EXPECT_EQ(timesWritten("Waiting for the gates to open: 30 "), 1);
  EXPECT_EQ(timesWritten("Waiting for the gates to open: 29 "), 0);
  EXPECT_EQ(readFile("data/characte.hlw"), rosterFile({anna, brom}));
}

TEST_F(FaultsTest, AGameFreedDuringTheWaitLetsTheVisitGoOn) {
  holdGame();
  whenKeyArrives([this] {
    ::close(heldLock);
    heldLock = -1;
  });
  screen.type(kStart + "+QY");
  EXPECT_EQ(visit("Anna"), 0);
  EXPECT_EQ(timesWritten("Waiting for the gates to open: 29 "), 0);
  EXPECT_EQ(sysopLog(), "   #*#*# Anna Played Stormhallow.\n");
  EXPECT_EQ(readFile("data/characte.hlw"),
            annaAfterDeposit(rosterFile({{.name = "Anna", .experience = 500, .flights = 2},
                                         {.name = "Brom", .experience = 100}})));
}

// Each visit gives the game back, however it ends, so the next one need not wait.
TEST_F(FaultsTest, VisitsOneAfterAnotherNeverWait) {
  EXPECT_EQ(visit("Anna", kStart + "QY"), 0);
  screen.hangupHere();
  EXPECT_EQ(visit("Anna"), 0);
  const std::string prices = readFile("data/prices.hlw");
  writeFile("data/prices.hlw", "oops\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(visit("Anna", kStart), kFatalStatus);
  testing::internal::GetCapturedStderr();
  writeFile("data/prices.hlw", prices);
  EXPECT_EQ(visit("Anna", kStart + "QY"), 0);
  EXPECT_EQ(timesWritten("please wait a moment"), 0);
}

// Widths the host hands over, down to none at all: the text still ends, whole.
TEST_F(FaultsTest, FlowingTextEndsWholeAtEveryWidth) {
  for (int width : {0, 1, 2, 3, 4, 79, 255}) {
    THISUSER.LINELEN = static_cast<unsigned char>(width);
    screen.clearTranscript();
    bool abort = false;
    bool next = false;
    PRINTA("Brom beat \x01Ra rat at\x03\x34 the gate.", abort, next);
    std::string shown;
    for (char c : screen.transcript()) {
      if (c > ' ') {
        shown += c;
      }
    }
    EXPECT_EQ(shown, "Brombeataratatthegate.") << "width " << width;
  }
}
}  // namespace
