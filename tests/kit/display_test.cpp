#include "kit/display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "kit/console.h"
#include "kit/crt.h"
#include "kit/door.h"
#include "store/state.h"
#include "tests/support/world.h"

namespace {
const std::string kCtrlA(1, '\x01');
const std::string kCtrlC(1, '\x03');

std::string ctrlC(char arg) {
  return kCtrlC + std::string(1, arg);
}
std::string ctrlA(char arg) {
  return kCtrlA + std::string(1, arg);
}

// A screen whose typed-ahead keys show only after some polls, as if typed mid-display.
class LateKeys : public ScreenModel {
 public:
  int quietPolls = 0;
  bool NKEYPRESSED(int ms) override {
    if (quietPolls > 0) {
      --quietPolls;
      return false;
    }
    return ScreenModel::NKEYPRESSED(ms);
  }
};
}  // namespace

class DisplayTest : public WorldTest {
 protected:
  void show(const std::string& text) {
    bool abort = false;
    bool next = false;
    PRINTA1(text, abort, next);
  }
  void flow(const std::string& text) {
    bool abort = false;
    bool next = false;
    PRINTA(text, abort, next);
  }
  // Foreground and background of the first cell holding `c`.
  std::pair<int, int> coloursOf(char c) const {
    for (int y = 0; y < screen.height(); ++y) {
      for (int x = 0; x < screen.width(); ++x) {
        if (screen.cell(x, y).ch == static_cast<unsigned char>(c)) {
          return {screen.cell(x, y).fore, screen.cell(x, y).back};
        }
      }
    }
    return {-1, -1};
  }
};

TEST_F(DisplayTest, CtrlCCodesSelectAnsicColours) {
  struct Case {
    char arg;
    int fore;
    int back;
  } cases[] = {{'\0', 7, 0},    {'\x01', 7, 0},  {'\x02', 9, 0}, {'\x04', 14, 0}, {'\x06', 15, 1},
               {'\x08', 12, 0}, {'0', 7, 0},     {'1', 11, 0},   {'2', 14, 0},    {'3', 5, 0},
               {'4', 15, 1},    {'5', 2, 0},     {'6', 12, 0},   {'7', 9, 0},     {'8', 1, 0},
               {'9', 15, 0},    {'\x09', 13, 5}, {'a', 13, 5},   {' ', 13, 5}};
  for (const Case& c : cases) {
    CLS();
    screen.TEXTCOLOR(13);
    screen.TEXTBACKGROUND(5);
    show(ctrlC(c.arg) + "X");
    EXPECT_EQ(coloursOf('X'), std::make_pair(c.fore, c.back)) << "Ctrl-C " << int(c.arg);
    EXPECT_EQ(screen.row(0), "X") << "Ctrl-C " << int(c.arg);
  }
}

TEST_F(DisplayTest, CtrlACodesSetColoursDirectly) {
  struct Case {
    std::string codes;
    int fore;
    int back;
    int addtofore;
  } cases[] = {
      {ctrlA('K'), 0, 5, 0},
      {ctrlA('B'), 1, 5, 0},
      {ctrlA('Y'), 6, 5, 0},
      {ctrlA('W'), 7, 5, 0},
      {ctrlA('H'), 13, 5, 8},
      {ctrlA('H') + ctrlA('R'), 12, 5, 8},
      {ctrlA('H') + ctrlA('K'), 8, 5, 8},
      {ctrlA('H') + ctrlA('N') + ctrlA('R'), 4, 0, 0},
      {ctrlA('N'), 7, 0, 0},
      {ctrlA('0'), 13, 0, 0},
      {ctrlA('1'), 13, 4, 0},
      {ctrlA('3'), 13, 6, 0},
      {ctrlA('4'), 13, 1, 0},
      {ctrlA('7'), 13, 7, 0},
      {ctrlA('8'), 13, 5, 0},
      {ctrlA('r'), 13, 5, 0},
      {ctrlA('z'), 13, 5, 0},
  };
  for (const Case& c : cases) {
    CLS();
    ADDTOFORE = 0;
    screen.TEXTCOLOR(13);
    screen.TEXTBACKGROUND(5);
    show(c.codes + "X");
    EXPECT_EQ(coloursOf('X'), std::make_pair(c.fore, c.back)) << testing::PrintToString(c.codes);
    EXPECT_EQ(ADDTOFORE, c.addtofore) << testing::PrintToString(c.codes);
    EXPECT_EQ(screen.row(0), "X") << testing::PrintToString(c.codes);
  }
}

TEST_F(DisplayTest, DoubleCtrlAWritesOneCtrlA) {
  show("a" + ctrlA('\x01') + "b");
  EXPECT_EQ(screen.transcript(),
            "a\x01"
            "b");
}

TEST_F(DisplayTest, WithoutColourTheCodesAreRemovedAndChangeNothing) {
  OKANSI = false;
  ANSIC(4);
  show(ctrlC('5') + "Hi" + ctrlA('H') + ctrlA('R') + ctrlA('\x01') + "!");
  EXPECT_EQ(screen.transcript(), "Hi!");
  EXPECT_EQ(coloursOf('H').first, 14);
  EXPECT_EQ(coloursOf('!').first, 14);
  EXPECT_EQ(ADDTOFORE, 0);
}

TEST_F(DisplayTest, ACodeCharacterAtTheEndHasNoArgument) {
  ANSIC(4);
  show("ab" + kCtrlC);
  EXPECT_EQ(screen.transcript(), "ab");
  EXPECT_EQ(screen.fore(), 14);
}

TEST_F(DisplayTest, PieceIsWrittenRawWithoutPromptRules) {
  ANSIC(4);
  show("a\r\nb\ac");
  EXPECT_EQ(coloursOf('b').first, 14);
  EXPECT_EQ(screen.bells(), 0);
  EXPECT_EQ(screen.transcript(), "a\r\nb\ac");
}

TEST_F(DisplayTest, HungUpCallerSeesNothingAndTheDisplayStops) {
  HANGUP = 1;
  bool abort = false;
  bool next = true;
  PRINTA1("text", abort, next);
  EXPECT_TRUE(abort);
  EXPECT_TRUE(next);
  PRINTFILE("text/none.hlw");
  EXPECT_EQ(screen.transcript(), "");
}

// Word wrap.

TEST_F(DisplayTest, WordWrapBreaksAtTheLastBlankThatFits) {
  std::string words;
  for (int i = 0; i < 20; ++i) {
    words += (i == 0 ? "" : " ") + std::string("abcde");
  }
  flow(words);
  std::string first;
  for (int i = 0; i < 13; ++i) {
    first += (i == 0 ? "" : " ") + std::string("abcde");
  }
  EXPECT_EQ(screen.row(0), first);
  EXPECT_EQ(screen.row(1).substr(0, 6), "abcde ");
  EXPECT_EQ(screen.row(2), "");
}

TEST_F(DisplayTest, WordWrapCases) {
  struct Case {
    const char* what;
    std::string text;
    int width;
    std::string row0;
    std::string row1;
  } cases[] = {
      {"a long word breaks at the width", std::string(100, 'w'), 80, std::string(78, 'w'),
       std::string(22, 'w')},
      {"a break point giving back half a line is not used", "a " + std::string(100, 'w'), 80,
       "a " + std::string(76, 'w'), std::string(24, 'w')},
      {"a colour argument is no break point",
       std::string(60, 'a') + " " + std::string(10, 'b') + ctrlC(' ') + std::string(30, 'c'), 80,
       std::string(60, 'a'), std::string(10, 'b') + std::string(30, 'c')},
      {"colour codes take no room", ctrlC('5') + std::string(78, 'g'), 80, std::string(78, 'g'),
       ""},
      {"a backspace gives a column back", "x\b" + std::string(78, 'y'), 80, std::string(78, 'y'),
       ""},
      {"the narrowest screen", "ab cd", 3, "a", "b"},
  };
  for (const Case& c : cases) {
    CLS();
    THISUSER.LINELEN = static_cast<unsigned char>(c.width);
    flow(c.text);
    EXPECT_EQ(screen.row(0), c.row0) << c.what;
    EXPECT_EQ(screen.row(1), c.row1) << c.what;
  }
}

TEST_F(DisplayTest, NoRoomLeftMovesToANewLineFirst) {
  PROMPT(std::string(78, '.'));
  flow("hello");
  EXPECT_EQ(screen.row(0), std::string(78, '.'));
  EXPECT_EQ(screen.row(1), "hello");
}

TEST_F(DisplayTest, PiecesContinueTheLineUnlessMarked) {
  flow("one");
  flow("two");
  EXPECT_EQ(screen.row(0), "one two");
  EXPECT_EQ(screen.cursorY(), 0);
  flow("three" + kCtrlA);
  EXPECT_EQ(screen.row(0), "one two three");
  EXPECT_EQ(screen.cursorY(), 1);
  flow("");
  EXPECT_EQ(screen.cursorY(), 2);
  // Ctrl-C before the last Ctrl-A makes it a colour argument, not the mark.
  flow("x" + ctrlC('\x01'));
  EXPECT_EQ(screen.cursorY(), 2);
}

TEST_F(DisplayTest, PrintacrEndsTheLineUnlessTheTextFillsAString) {
  bool abort = false;
  bool next = false;
  PRINTACR("short", abort, next);
  EXPECT_EQ(screen.transcript(), "short\r\n");
  screen.clearTranscript();
  THISUSER.LINELEN = 255;
  PRINTACR(std::string(240, 'z'), abort, next);
  EXPECT_EQ(screen.transcript().substr(screen.transcript().size() - 2), "z ");
  screen.clearTranscript();
  abort = true;
  PRINTACR("not shown", abort, next);
  EXPECT_EQ(screen.transcript(), "");
}

// Files.

TEST_F(DisplayTest, FilesEndWithTwoLineEnds) {
  struct Case {
    const char* what;
    const char* file;  // nullptr: no file
    std::string shown;
  } cases[] = {
      {"missing", nullptr, "File not found.\r\n\r\n\r\n"},
      {"empty", "", "\r\n\r\n"},
      {"two lines", "one\ntwo\n", "one\r\ntwo\r\n\r\n\r\n"},
      {"CR LF line ends", "one\r\ntwo", "one\r\ntwo\r\n\r\n\r\n"},
      {"an empty line", "one\n\ntwo\n", "one\r\n\r\ntwo\r\n\r\n\r\n"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove("text/screen.hlw");
    if (c.file != nullptr) {
      writeFile("text/screen.hlw", c.file);
    }
    screen.clearTranscript();
    PRINTFILE("text/screen.hlw");
    EXPECT_EQ(screen.transcript(), c.shown) << c.what;
  }
}

TEST_F(DisplayTest, MissingFileLeavesTheCallersAbortAlone) {
  std::filesystem::create_directory("text/folder.hlw");
  for (const char* name : {"text/none.hlw", "text/folder.hlw"}) {
    screen.clearTranscript();
    bool abort = true;
    PFL(name, abort, true);
    EXPECT_TRUE(abort) << name;
    EXPECT_EQ(screen.transcript(), "File not found.\r\n\r\n\r\n") << name;
  }
}

TEST_F(DisplayTest, FlowingFileJoinsItsLines) {
  writeFile("text/flow.hlw", "one\ntwo\n");
  bool abort = false;
  PFL("text/flow.hlw", abort, false);
  EXPECT_EQ(screen.transcript(), "one two \r\n\r\n");
}

TEST_F(DisplayTest, FileLinesAreCutAt240) {
  writeFile("text/long.hlw", std::string(300, 'q') + "\n");
  THISUSER.LINELEN = 255;
  PRINTFILE("text/long.hlw");
  EXPECT_EQ(screen.transcript(), std::string(240, 'q') + " \r\n\r\n");
}

TEST_F(DisplayTest, BrightModeLastsFromOneFileToTheNext) {
  writeFile("text/one.hlw", ctrlA('H') + "one\n");
  writeFile("text/two.hlw", ctrlA('R') + "two\n");
  PRINTFILE("text/one.hlw");
  PRINTFILE("text/two.hlw");
  EXPECT_EQ(coloursOf('t').first, 12);
}

TEST_F(DisplayTest, FileDisplayDefersTheScreenUpdate) {
  screen.NDONOW(true);
  PRINTFILE("text/none.hlw");
  EXPECT_FALSE(screen.immediate());
}

TEST_F(DisplayTest, StopKeysDuringTheDisplay) {
  struct Case {
    const char* what;
    std::string keys;
    std::string shown;
    std::size_t left;
  } cases[] = {
      // The key shows before the second character: that character is still written.
      {"blank stops after the character in hand", " ", "He\r\n\r\n\r\n", 0},
      {"Ctrl-N stops too", "\x0e", "He\r\n\r\n\r\n", 0},
      {"other keys are used up", "x", "Hello\r\nworld\r\n\r\n\r\n", 0},
  };
  for (const Case& c : cases) {
    LateKeys late;
    CRT = &late;
    writeFile("text/two.hlw", "Hello\nworld\n");
    late.quietPolls = 3;
    late.typeAhead(c.keys);
    PRINTFILE("text/two.hlw");
    EXPECT_EQ(late.transcript(), c.shown) << c.what;
    EXPECT_EQ(late.keysLeft(), c.left) << c.what;
    CRT = &screen;
  }
}

TEST_F(DisplayTest, PauseKeyHoldsTheDisplayUntilTheNextKey) {
  writeFile("text/two.hlw", "Hello\nworld\n");
  screen.typeAhead("p");
  screen.type(" ");  // ends the pause; no stop
  PRINTFILE("text/two.hlw");
  EXPECT_EQ(screen.transcript(), "Hello\r\nworld\r\n\r\n\r\n");
  EXPECT_EQ(screen.keysLeft(), 0u);
}

TEST_F(DisplayTest, AbortAndNextReachTheCaller) {
  screen.typeAhead("\x0e");
  ABORT = false;
  NEXT = false;
  PRINTA("list entry", ABORT, NEXT);
  EXPECT_TRUE(ABORT);
  EXPECT_TRUE(NEXT);
}

// The demo screens are drawn for an 80-column screen: no line may wrap.
TEST_F(DisplayTest, DemoScreensFitTheScreen) {
  installDemo();
  for (const char* name : {"menu.hlw", "docs.hlw", "plug.hlw", "bullet.hlw"}) {
    CLS();
    ADDTOFORE = 0;
    std::string text = readFile(std::string("text/") + name);
    auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    PRINTFILE(std::string("text/") + name);
    EXPECT_EQ(screen.cursorY(), lines + 2) << name;
    EXPECT_EQ(ADDTOFORE, 0) << name << " leaves bright mode on";
    EXPECT_NE(screen.row(0), "File not found.") << name;
  }
}
