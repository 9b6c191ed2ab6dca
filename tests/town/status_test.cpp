#include "town/status.h"

#include <gtest/gtest.h>

#include <array>

#include "kit/crt.h"
#include "tests/town/town_world.h"

using Six = std::array<double, 6>;

class StatusTest : public TownTest {
 protected:
  void setAll(const Six& values) {
    int n = 1;
    for (double v : values) {
      hero().*CHARACTERISTIC[n++] = v;
    }
  }
  void expectAll(const Six& values) {
    int n = 1;
    for (double v : values) {
      EXPECT_EQ(hero().*CHARACTERISTIC[n], v) << "characteristic " << n;
      ++n;
    }
  }
};

TEST_F(StatusTest, RaiseOneLowerAnother) {
  struct Case {
    const char* keys;
    Six before;
    Six after;
    const char* said;  // a floor message, or the question and its answer
  } cases[] = {
      {"12Y", Six{10, 10, 10, 10, 10, 10}, Six{11, 8, 10, 10, 10, 10}, "Is this correct? Yes"},
      {"12N", Six{10, 10, 10, 10, 10, 10}, Six{10, 10, 10, 10, 10, 10}, "Is this correct? No"},
      {"33Y", Six{10, 10, 10, 10, 10, 10}, Six{10, 10, 9, 10, 10, 10}, "Is this correct? Yes"},
      {"16Y", Six{10, 10, 10, 10, 10, 8}, Six{11, 10, 10, 10, 10, 6}, "Is this correct? Yes"},
      {"12", Six{10, 7, 10, 10, 10, 10}, Six{10, 7, 10, 10, 10, 10},
       "Intelligence cannot go below 6"},
      {"35", Six{10, 10, 10, 10, 7, 10}, Six{10, 10, 10, 10, 7, 10},
       "Constitution cannot go below 6"},
      // A characteristic already below the floor blocks every change.
      {"12", Six{10, 10, 10, 5, 10, 10}, Six{10, 10, 10, 5, 10, 10}, "Luck cannot go below 6"},
      {"Q", Six{10, 10, 10, 10, 10, 10}, Six{10, 10, 10, 10, 10, 10}, "Increase which stat? Q"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    resetHero();
    setAll(c.before);
    screen.type(c.keys);
    CHSTATS();
    expectAll(c.after);
    EXPECT_EQ(timesWritten(std::string(c.said) + "\r\n"), 1);
    EXPECT_EQ(screen.keysLeft(), 0u);
    EXPECT_FALSE(HANGUP) << "asked no more than the keys given";
  }
}

TEST_F(StatusTest, EveryCharacteristicBelowTheFloorIsNamedInOrder) {
  setAll(Six{5, 10, 10, 10, 10, 5.4});
  screen.type("23");
  CHSTATS();
  const std::string& t = screen.transcript();
  EXPECT_NE(t.find("\r\nStrength cannot go below 6\r\n\r\nCharisma cannot go below 6\r\n"),
            std::string::npos);
  EXPECT_EQ(timesWritten("Is this correct?"), 0);
  expectAll(Six{5, 10, 10, 10, 10, 5.4});
}

TEST_F(StatusTest, ScreenShowsValuesBeforeAndAfter) {
  setAll(Six{12, 12.5, 12, 12, 12, 12});
  screen.type("61Y");
  CHSTATS();
  EXPECT_EQ(
      screen.transcript(),
      "Status Change:\r\n@@@@@@@@@@@@@\r\nYou may increase any stat by one,\r\n"
      "yet you must decrease another by two.\r\n\r\n"
      "1> Str: 12\r\n2> Int: 13\r\n3> Dex: 12\r\n4> Luk: 12\r\n5> Con: 12\r\n6> Chr: 12\r\n\r\n"
      "Increase which stat? 6\r\nDecrease which stat? 1\r\n"
      "\r\nStatus Change:\r\n^^^^^^^^^^^^^^\r\n"
      "1> Str: 10\r\n2> Int: 13\r\n3> Dex: 12\r\n4> Luk: 12\r\n5> Con: 12\r\n6> Chr: 13\r\n\r\n"
      "Is this correct? Yes\r\n");
  expectAll(Six{10, 12.5, 12, 12, 12, 13});
}

TEST_F(StatusTest, HangUpChangesNothing) {
  for (const char* keys : {"", "1", "12"}) {
    SCOPED_TRACE(keys);
    resetHero();
    screen.type(keys);
    screen.hangupHere();
    CHSTATS();
    expectAll(Six{12, 12, 12, 12, 12, 12});
  }
}
