#include "flow/screens.h"

#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"

void MENUIT() {
  CLS();
  PRINTFILE(GFILESPATH + "menu.hlw");
  if (SO) {
    PRINT("           SysOp's please press (@) if you wish to reroll the game!");
  }
}

void DOCS() {
  CLS();
  PRINTFILE(GFILESPATH + "docs.hlw");
  PAUSESCR();
}

void CREDITS() {
  CLS();
  ANSIC(7);
  PRINT("Stormhallow 2.0 Credits");
  ANSIC(7);
  PRINT("@@@@@@@@@@@@@@@@@@@@@@@");
  PRINT("Written By             :  The Stormhallow Team");
  PRINT("Special Thanks To      : The Authors Of Stormhallow");
  PRINT("Home Board             : The Quiet Lantern BBS");
  PRINT("                               (555) 555-0142");
  PRINT("Grown from the source code of Greyfen Tales.");
  NL();
  PAUSESCR();
}
