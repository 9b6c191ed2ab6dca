#include "kit/crt.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "tests/support/world.h"

namespace {
constexpr unsigned char kCtrlA = 1;
constexpr unsigned char kEnter = 13;

std::string repeat(char c, std::size_t n) {
  return std::string(n, c);
}
}  // namespace

class CrtTest : public WorldTest {};

// Output.

TEST_F(CrtTest, AnsicSetsThePairOfEachCodeAndIgnoresOthers) {
  struct Case {
    int code;
    int fore;
    int back;
  } cases[] = {{0, 7, 0},   {1, 7, 0},   {2, 9, 0},    {3, 11, 0},        {4, 14, 0}, {5, 5, 0},
               {6, 15, 1},  {7, 2, 0},   {8, 12, 0},   {9, 9, 0},         {10, 1, 0}, {11, 15, 0},
               {-1, 13, 5}, {12, 13, 5}, {300, 13, 5}, {65536 + 4, 14, 0}};
  for (const Case& c : cases) {
    screen.TEXTCOLOR(13);
    screen.TEXTBACKGROUND(5);
    ANSIC(c.code);
    EXPECT_EQ(screen.fore(), c.fore) << "ANSIC(" << c.code << ")";
    EXPECT_EQ(screen.back(), c.back) << "ANSIC(" << c.code << ")";
  }
}

TEST_F(CrtTest, PrintCutsTextAndLineEndTogetherAt240) {
  struct Case {
    std::size_t length;
    std::string ending;
  } cases[] = {{0, "\r\n"}, {238, "\r\n"}, {239, "\r"}, {240, ""}, {300, ""}};
  for (const Case& c : cases) {
    screen.clearTranscript();
    PRINT(repeat('x', c.length));
    EXPECT_EQ(screen.transcript(), repeat('x', std::min<std::size_t>(c.length, 240)) + c.ending)
        << "length " << c.length;
  }
}

TEST_F(CrtTest, LineFeedResetsTheColoursAfterTheCarriageReturn) {
  ANSIC(4);
  PROMPT("ab\r\ncd");
  EXPECT_EQ(screen.cell(1, 0).fore, 14);
  EXPECT_EQ(screen.cell(0, 1).ch, 'c');
  EXPECT_EQ(screen.cell(0, 1).fore, 7);
  // The reset comes between the carriage return and the line feed.
  EXPECT_EQ(screen.transcript(), "ab\r\ncd");
}

TEST_F(CrtTest, BellSoundsAndShowsNothing) {
  PROMPT("a\ab");
  EXPECT_EQ(screen.bells(), 1);
  EXPECT_EQ(screen.row(0), "ab");
}

TEST_F(CrtTest, NothingIsWrittenOnceTheCallerIsGone) {
  HANGUP = 1;
  PRINT("lost");
  PRT("lost");
  NL();
  EXPECT_EQ(screen.transcript(), "");
  EXPECT_EQ(screen.bells(), 0);
}

TEST_F(CrtTest, PrtIsYellowThenGreyAndYnqLeavesGreen) {
  PRT("a");
  PROMPT("b");
  YNQ("c");
  PROMPT("d");
  EXPECT_EQ(screen.cell(0, 0).fore, 14);
  EXPECT_EQ(screen.cell(1, 0).fore, 7);
  EXPECT_EQ(screen.cell(2, 0).fore, 2);
  EXPECT_EQ(screen.cell(3, 0).fore, 2);
}

TEST_F(CrtTest, ClsClearsInTheCurrentBackgroundAndHomesTheCursor) {
  PROMPT("hello\r\nworld");
  ANSIC(6);
  CLS();
  EXPECT_EQ(screen.screenText(), repeat('\n', 25));
  EXPECT_EQ(screen.cell(40, 12).back, 1);
  EXPECT_EQ(screen.cursorX(), 0);
  EXPECT_EQ(screen.cursorY(), 0);
}

// Keys.

TEST_F(CrtTest, GetkeyDefersTheScreenUpdate) {
  screen.NDONOW(true);
  screen.type("k");
  unsigned char c = 0;
  GETKEY(c);
  EXPECT_EQ(c, 'k');
  EXPECT_FALSE(screen.immediate());
}

TEST_F(CrtTest, YnAnswersYesOnlyToY) {
  struct Case {
    const char* keys;
    bool answer;
    const char* shown;
    std::size_t left;
  } cases[] = {{"y", true, "Yes\r\n", 0},    {"Y", true, "Yes\r\n", 0},
               {"n", false, "No\r\n", 0},    {"\r", false, "No\r\n", 0},
               {"xq1y", true, "Yes\r\n", 0}, {"nY", false, "No\r\n", 1}};
  for (const Case& c : cases) {
    screen.clearTranscript();
    screen.type(c.keys);
    EXPECT_EQ(YN(), c.answer) << c.keys;
    EXPECT_EQ(screen.transcript(), c.shown) << c.keys;
    EXPECT_EQ(screen.keysLeft(), c.left) << c.keys;
    while (screen.keysLeft() > 0) {
      unsigned char ignored = 0;
      GETKEY(ignored);
    }
  }
}

TEST_F(CrtTest, YnAnswerIsLightCyan) {
  screen.type("y");
  YN();
  EXPECT_EQ(screen.cell(0, 0).fore, 11);
}

TEST_F(CrtTest, YnAfterHangupSaysNoWithoutWaiting) {
  HANGUP = 1;
  screen.type("y");
  EXPECT_FALSE(YN());
  EXPECT_EQ(screen.keyWaits(), 0);
  EXPECT_EQ(screen.transcript(), "");
}

TEST_F(CrtTest, YnHangupDuringTheWaitSaysNoAndShowsNothing) {
  screen.type("x");
  screen.hangupHere();
  EXPECT_FALSE(YN());
  EXPECT_EQ(screen.transcript(), "");
}

TEST_F(CrtTest, OnekIgnoresOtherKeysAndEchoesUpperCase) {
  screen.type("q5y");
  unsigned char c = 0;
  ONEK(c, "YN");
  EXPECT_EQ(c, 'Y');
  EXPECT_EQ(screen.transcript(), "Y\r\n");
  EXPECT_EQ(screen.keysLeft(), 0u);
}

TEST_F(CrtTest, OnekGivesTheFirstKeyAfterHangup) {
  screen.type("q");
  screen.hangupHere();
  unsigned char c = 0;
  ONEK(c, "YN");
  EXPECT_EQ(c, 'Y');
  EXPECT_EQ(screen.transcript(), "");
}

TEST_F(CrtTest, OnekStillWaitsForOneKeyWhenAlreadyHungUp) {
  HANGUP = 1;
  screen.type("n");
  unsigned char c = 0;
  ONEK(c, "QN");
  EXPECT_EQ(c, 'Q');
  EXPECT_EQ(screen.keyWaits(), 1);
  // A gone terminal answers at once: the waiting key is never read.
  EXPECT_EQ(screen.keysLeft(), 1u);
}

TEST_F(CrtTest, PauseLeavesItsSevenCellsBlankAndTheCursorWhereItBegan) {
  PROMPT("ab");
  screen.type("z");
  PAUSESCR();
  EXPECT_EQ(screen.row(0), "ab");
  EXPECT_EQ(screen.cursorX(), 2);
  EXPECT_EQ(screen.cursorY(), 0);
  EXPECT_EQ(screen.transcript(), "ab[Pause]" + std::string("\b \b\b \b\b \b\b \b\b \b\b \b\b \b"));
  EXPECT_EQ(screen.keysLeft(), 0u);
}

TEST_F(CrtTest, PauseAfterHangupWaitsButWritesNothing) {
  HANGUP = 1;
  PAUSESCR();
  EXPECT_EQ(screen.keyWaits(), 1);
  EXPECT_EQ(screen.transcript(), "");
}

// Line input.

TEST_F(CrtTest, InputEditsTheLine) {
  struct Case {
    std::string keys;
    int ml;
    bool keepCase;
    std::string line;
    std::string echo;
  } cases[] = {
      {"abcd\r", 3, false, "ABC", "ABC\r\n"},
      {"\ba\r", 3, false, "A", "A\r\n"},
      {"ab\bc\r", 3, false, "AC", "AB\b \bC\r\n"},
      {"abc\x15z\r", 5, false, "Z", "ABC\b \b\b \b\b \bZ\r\n"},
      {"ab\x18\r", 5, false, "", "AB\b \b\b \b\r\n"},
      {"ab\x0e", 5, false, "AB", "AB\r\n"},
      {"a\x7f\xe9\x03\x0b\x13"
       "b\r",
       5, false, "AB", "AB\r\n"},
      {"aBc\r", 5, true, "aBc", "aBc\r\n"},
      {"\r", 5, false, "", "\r\n"},
      {"a b\r", 5, true, "a b", "a b\r\n"},
  };
  for (const Case& c : cases) {
    screen.clearTranscript();
    screen.type(c.keys);
    std::string line = "old";
    if (c.keepCase) {
      INPUTL(line, c.ml);
    } else {
      INPUT(line, c.ml);
    }
    EXPECT_EQ(line, c.line) << testing::PrintToString(c.keys);
    EXPECT_EQ(screen.transcript(), c.echo) << testing::PrintToString(c.keys);
    EXPECT_EQ(screen.keysLeft(), 0u) << testing::PrintToString(c.keys);
  }
}

TEST_F(CrtTest, InputAfterHangupKeepsTheValueAndReadsNothing) {
  HANGUP = 1;
  screen.type("abc\r");
  std::string line = "kept";
  INPUT(line, 10);
  EXPECT_EQ(line, "kept");
  EXPECT_EQ(screen.keyWaits(), 0);
  EXPECT_EQ(screen.transcript(), "");
}

TEST_F(CrtTest, InputTimesOutOnTheFirstKeyAfter300Seconds) {
  struct Case {
    const char* name;
    double secondKey;  // seconds after the first key
    bool ctrlAFirst;
    bool hangup;
  } cases[] = {{"301 s", 301, false, true},
               {"300 s", 300, false, false},
               {"Ctrl-A restarts the clock", 301, true, false}};
  for (const Case& c : cases) {
    HANGUP = 0;
    screen.clearTranscript();
    screen.press('a', 0);
    if (c.ctrlAFirst) {
      screen.press(kCtrlA, 200);
      screen.press('b', c.secondKey - 200);
    } else {
      screen.press('b', c.secondKey);
    }
    screen.press(kEnter);
    std::string line;
    INPUT(line, 10);
    EXPECT_EQ(static_cast<bool>(HANGUP), c.hangup) << c.name;
    EXPECT_EQ(line, "AB") << c.name;
    // On a time-out the Enter is never read and no line end is written.
    EXPECT_EQ(screen.keysLeft(), c.hangup ? 1u : 0u) << c.name;
    EXPECT_EQ(screen.transcript(), c.hangup ? "AB" : "AB\r\n") << c.name;
    while (screen.keysLeft() > 0) {
      HANGUP = 0;
      unsigned char ignored = 0;
      GETKEY(ignored);
    }
  }
}

TEST_F(CrtTest, InputAcrossMidnightIsNotTimedOut) {
  screen.onKeyTime = [this](double s) {
    clock.seconds = clock.seconds + s >= 86400 ? clock.seconds + s - 86400 : clock.seconds + s;
  };
  clock.seconds = 86300;
  screen.press('a', 400);
  screen.press(kEnter);
  std::string line;
  INPUT(line, 5);
  EXPECT_FALSE(HANGUP);
  EXPECT_EQ(line, "A");
}

// Type-ahead during text display.

TEST_F(CrtTest, WkeyWithNothingWaitingChangesNothing) {
  for (bool abort : {false, true}) {
    for (bool next : {false, true}) {
      bool a = abort;
      bool n = next;
      screen.type("x");
      WKEY(a, n);
      EXPECT_EQ(a, abort);
      EXPECT_EQ(n, next);
      EXPECT_EQ(screen.keysLeft(), 1u);
      unsigned char ignored = 0;
      GETKEY(ignored);
    }
  }
}

TEST_F(CrtTest, WkeyReadsWaitingKeysUntilAStopKey) {
  struct Case {
    std::string ahead;
    bool abort;
    bool next;
    std::size_t left;
  } cases[] = {{" x", true, false, 1},    {"\x03x", true, false, 1},
               {"\x18x", true, false, 1}, {"\x0bx", true, false, 1},
               {"\x0ex", true, true, 1},  {"ab\r\x01\b\x15", false, false, 0},
               {"q\x0e", true, true, 0}};
  for (const Case& c : cases) {
    screen.typeAhead(c.ahead);
    bool abort = false;
    bool next = false;
    WKEY(abort, next);
    EXPECT_EQ(abort, c.abort) << testing::PrintToString(c.ahead);
    EXPECT_EQ(next, c.next) << testing::PrintToString(c.ahead);
    EXPECT_EQ(screen.keysLeft(), c.left) << testing::PrintToString(c.ahead);
    while (screen.keysLeft() > 0) {
      unsigned char ignored = 0;
      GETKEY(ignored);
    }
  }
}

TEST_F(CrtTest, WkeyPauseWaitsForOneMoreKeyAndReadsOn) {
  for (const char* pause : {"P", "p", "\x13"}) {
    screen.typeAhead(pause);
    screen.type(" ");  // arrives during the pause: discarded, not a stop
    screen.typeAhead("x");
    bool abort = false;
    bool next = true;
    WKEY(abort, next);
    EXPECT_FALSE(abort) << testing::PrintToString(pause);
    EXPECT_TRUE(next) << "WKEY never clears NEXT";
    EXPECT_EQ(screen.keysLeft(), 0u);
  }
}

TEST_F(CrtTest, WkeyReadsNothingOnceHungUp) {
  HANGUP = 1;
  screen.typeAhead(" ");
  bool abort = false;
  bool next = false;
  WKEY(abort, next);
  EXPECT_FALSE(abort);
  EXPECT_EQ(screen.keysLeft(), 1u);
}

// Hang-up.

TEST_F(CrtTest, HangupAndTerminateSignalsOnlySetTheFlag) {
  CHECKHANGUP();
  for (int signum : {SIGHUP, SIGTERM}) {
    HANGUP = 0;
    std::raise(signum);
    EXPECT_TRUE(HANGUP) << signum;
  }
}

TEST_F(CrtTest, AGoneTerminalAnswersAtOnceWithoutReadingKeys) {
  screen.type("abc");
  HANGUP = 1;
  unsigned char c = 0;
  GETKEY(c);
  EXPECT_EQ(c, 255);
  EXPECT_EQ(screen.keysLeft(), 3u);
}
