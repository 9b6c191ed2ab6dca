#include "flow/rankings.h"

#include <string>

#include "kit/crt.h"
#include "kit/display.h"
#include "kit/text.h"
#include "store/daily.h"
#include "store/state.h"

namespace {
std::string dottedName(const std::string& pseudo) {
  std::string name = pseudo;
  if (name.size() < NAMEMAX) {
    name.append(NAMEMAX - name.size(), '.');
  }
  return name;
}

std::string standing(const PLAYERTYPE& hero) {
  return "Lev=" + PADL(WHOLE(hero.R), 2) + "  W=" + PADL(WHOLE(hero.WINS), 2) +
         "  L=" + PADL(WHOLE(hero.LOSES), 2) + "  S=" + (hero.STATUS == 1 ? "SLAIN" : "ALIVE");
}
}  // namespace

void PLAYERLIST() {
  CHECKDAY();
  CLS();
  NL();
  ANSIC(5);
  PRINT("Hero Rankings:");
  PRINT("!!!!!!!!!!!!!!");
  for (int n = 1; n <= NUMBER_OF_PLAYERS; ++n) {
    // Each entry ends without a line end; this one closes the entry before.
    NL();
    ANSIC(5);
    PROMPT(PADL(std::to_string(n), 2) + ".  ");
    ANSIC(3);
    PROMPT(dottedName(PLAYER[n].PSEUDO));
    ANSIC(2);
    PRINTA(standing(PLAYER[n]), ABORT, NEXT);
    if (ABORT) {
      break;
    }
  }
}
