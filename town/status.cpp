#include "town/status.h"

#include <string>
#include <string_view>

#include "kit/crt.h"
#include "kit/text.h"

namespace {
constexpr double kFloor = 6;

struct Shown {
  std::string_view line;
  std::string_view belowFloor;
};

// Indexed as CHARACTERISTIC.
constexpr TABLE<Shown, 6> kShown = {{
    {},
    {"1> Str: ", "Strength cannot go below 6"},
    {"2> Int: ", "Intelligence cannot go below 6"},
    {"3> Dex: ", "Dexterity cannot go below 6"},
    {"4> Luk: ", "Luck cannot go below 6"},
    {"5> Con: ", "Constitution cannot go below 6"},
    {"6> Chr: ", "Charisma cannot go below 6"},
}};

// One attempt: the values on entry, to undo it, and the values on screen.
TABLE<double, 6> saved;
TABLE<std::string, 6> shownValue;
// Cleared when the caller quits at the first question.
bool PARTONE = true;
// Cleared when a characteristic is below the floor.
bool YAYA = true;

PLAYERTYPE& hero() {
  return PLAYER[B];
}

void makeShownValues() {
  for (int n = 1; n <= 6; ++n) {
    shownValue[n] = WHOLE(hero().*CHARACTERISTIC[n]);
  }
}

void showValues() {
  for (int n = 1; n <= 6; ++n) {
    PRINT(std::string(kShown[n].line) + shownValue[n]);
  }
  NL();
}

void restore() {
  for (int n = 1; n <= 6; ++n) {
    hero().*CHARACTERISTIC[n] = saved[n];
  }
}

int chosen(unsigned char key) {
  return key - '0';
}

void INCRE() {
  PROMPT("Increase which stat? ");
  unsigned char key = 0;
  ONEK(key, "123456Q");
  PARTONE = key != 'Q';
  if (PARTONE) {
    hero().*CHARACTERISTIC[chosen(key)] += 1;
  }
}

void DECRE() {
  PROMPT("Decrease which stat? ");
  unsigned char key = 0;
  ONEK(key, "123456");
  hero().*CHARACTERISTIC[chosen(key)] -= 2;
}

void MINISTAT() {
  makeShownValues();
  NL();
  PRINT("Status Change:");
  PRINT("^^^^^^^^^^^^^^");
  showValues();
  // Every characteristic is checked, not only the one lowered.
  YAYA = true;
  for (int n = 1; n <= 6; ++n) {
    if (hero().*CHARACTERISTIC[n] < kFloor) {
      NL();
      PRINT(kShown[n].belowFloor);
      YAYA = false;
    }
  }
  if (!YAYA) {
    restore();
    return;
  }
  YNQ("Is this correct? ");
  if (!YN()) {
    restore();
  }
}
}  // namespace

void CHSTATS() {
  CLS();
  for (int n = 1; n <= 6; ++n) {
    saved[n] = hero().*CHARACTERISTIC[n];
  }
  makeShownValues();
  PRINT("Status Change:");
  PRINT("@@@@@@@@@@@@@");
  PRINT("You may increase any stat by one,");
  PRINT("yet you must decrease another by two.");
  NL();
  showValues();
  INCRE();
  if (!PARTONE) {
    return;
  }
  DECRE();
  MINISTAT();
}
