#include "store/daily.h"

#include <string>
#include <utility>

#include "kit/crt.h"
#include "kit/door.h"
#include "kit/text.h"
#include "kit/textfile.h"
#include "store/state.h"

namespace {
// An exchange sort, not a stable one: heroes of equal experience may change places,
// and the rankings have always shown them in the order it leaves.
void rankByExperience() {
  for (int i = 1; i <= NUMBER_OF_PLAYERS - 1; ++i) {
    for (int j = i + 1; j <= NUMBER_OF_PLAYERS; ++j) {
      if (PLAYER[j].EXPERIENCE > PLAYER[i].EXPERIENCE) {
        if (j == B) {
          B = i;
        } else if (i == B) {
          B = j;
        }
        std::swap(PLAYER[i], PLAYER[j]);
      }
    }
  }
}

void newDay(const std::string& today) {
  SAVEFILE(DATAPATH + "date.hlw", today + "\n");
  for (int i = 1; i <= NUMBER_OF_PLAYERS; ++i) {
    PLAYER[i].FLIGHTS = 3;
    PLAYER[i].STATUS = 0;
  }
  SAVEFILE(DATAPATH + "record.hlw", "0\n");
}
}  // namespace

std::string READDAY() {
  TextFile day;
  day.openOrDie(DATAPATH + "date.hlw");
  return day.readLine(STRTMAX);
}

void CHECKDAY() {
  rankByExperience();
  const std::string today = DATE();
  if (READDAY() != today) {
    newDay(today);
  }
}
