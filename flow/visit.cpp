#include "flow/visit.h"

#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"

// The spine of the visit until the roster and the game's commands arrive.
void MAINPROGRAM() {
  IPORT();
  HANGUP = 0;
  CLS();
  PRINT("News Bulletin:");
  NL();
  PRINTFILE(GFILESPATH + "bullet.hlw");
  bool play = true;
  while (play && !HANGUP) {
    NL();
    NL();
    ANSIC(4);
    PROMPT("Command (?): ");
    unsigned char key = 0;
    ONEK(key, "QV?");
    if (key == 'Q') {
      YNQ("LEAVE ESMOR? Are you sure?");
      play = !YN();
    } else if (key == 'V') {
      ANSIC(2);
      PRINT("This Is Stormhallow version 2.0");
      PAUSESCR();
    } else {
      CLS();
      PRINTFILE(GFILESPATH + "menu.hlw");
    }
  }
  SYSOPLOG("#*#*# " + THISUSER.NAME + " Played Stormhallow.");
}
