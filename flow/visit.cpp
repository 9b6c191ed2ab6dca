#include "flow/visit.h"

#include <string>
#include <string_view>

#include "combat/areas.h"
#include "combat/duel.h"
#include "combat/victory.h"
#include "flow/create.h"
#include "flow/lock.h"
#include "flow/rankings.h"
#include "flow/screens.h"
#include "kit/crt.h"
#include "kit/display.h"
#include "kit/door.h"
#include "kit/textfile.h"
#include "store/bulletin.h"
#include "store/daily.h"
#include "store/herofile.h"
#include "store/records.h"
#include "store/state.h"
#include "store/tables.h"
#include "town/bank.h"
#include "town/clerics.h"
#include "town/gallery.h"
#include "town/sheet.h"
#include "town/shop.h"
#include "town/spy.h"
#include "town/status.h"
#include "town/training.h"

namespace {
constexpr std::string_view kCommandKeys = "QVP12345CHWLADGFRSTX+-?EZ@*#";

struct BannerLine {
  std::string_view left;
  int colour;
  std::string_view middle;
  std::string_view right;
};

constexpr BannerLine kBanner[] = {
    {"----------", 8, "   -=-=STORMHALLOW=-=-      ", "    /\\     "},
    {"\\        /", 1, "       Version 2.0          ", "    ||     "},
    {" \\      / ", 1, "                            ", "    ||     "},
    {"  \\    /  ", 2, "  Welcome To The World of   ", "    ||     "},
    {"   |  |   ", 3, "  Esmor, Where the gods     ", "    ||     "},
    {"  /    \\  ", 2, "  of good and evil battle.  ", "  \\ || /   "},
    {" /      \\ ", 3, "  Help the People Of Esmor. ", "   \\==/    "},
    {"/        \\", 1, "                            ", "    ##     "},
    {"----------", 8, "        ON WARD!!!          ", "    ##     "},
};

constexpr std::string_view kWizard[] = {
    "As you were Travelling along a Wilderness Path an   ",
    "Evil Wizard Confronted You.  When you tried to fight",
    "Him off, he cast a Spell of Instant Death Upon you.  ",
    "Instantly you were slain by the Archmage, Leaving you",
    "as nothing more than a pile of ashes.  Re-Rolled!   ",
};

void TITLE() {
  for (const BannerLine& line : kBanner) {
    PRT(line.left);
    ANSIC(line.colour);
    PROMPT(line.middle);
    PRT(line.right);
    NL();
  }
}

void QUICKEXIT() {
  PRINT("The Gods of Esmor Disapprove of your actions!");
  RETURN();
}

// The user name is the only key: exact, and the last match wins.
void LOGIN() {
  FOUND = false;
  for (int i = 1; i <= NUMBER_OF_PLAYERS; ++i) {
    if (PLAYER[i].NAME == NAME) {
      FOUND = true;
      B = i;
    }
  }
  if (FOUND) {
    return;
  }
  if (NUMBER_OF_PLAYERS >= MAXPLAYERS) {
    QUICKEXIT();
  }
  CREATE(true);
}

void STARTVISIT() {
  GONADO = true;
  HANGUP = 0;
  VARY = SUPPLANT();
  DOG = 0;
  DOGA = false;
  for (int i = 1; i <= MAXPLAYERS; ++i) {
    PLAYER[i].DAMAGE = 0;
  }
  PLAY = true;
  TRIPS = 0;
  FOUND = false;
  NAME = THISUSER.NAME.substr(0, NAMEMAX);
}

// A hero with no visits left today may look around but not fight.
void TAKEVISIT() {
  if (PLAYER[B].FLIGHTS < 1) {
    TRIPS = 12;
    DOG = 4;
  }
  PLAYER[B].FLIGHTS = PLAYER[B].FLIGHTS - 1;
}

// The same fresh start as the caller's own re-roll, and it costs a visit.
void REROLLHERO() {
  CREATE(false);
  PLAYER[B].FLIGHTS = PLAYER[B].FLIGHTS - 1;
}

void EVILWIZARD() {
  if (PLAYER[B].LOSES <= 4 * (PLAYER[B].WINS + 1)) {
    return;
  }
  NL();
  for (std::string_view line : kWizard) {
    PRINT(line);
  }
  NL();
  PAUSESCR();
  REROLLHERO();
}

void QUIT() {
  YNQ("LEAVE ESMOR? Are you sure?");
  if (YN()) {
    PLAY = false;
  }
}

void VERSION() {
  ANSIC(2);
  PRINT("This Is Stormhallow version 2.0");
  PAUSESCR();
}

void PLUG() {
  PRINTFILE(GFILESPATH + "plug.hlw");
}

void REROLL() {
  PRINT("Please note that this will completely purge");
  PRINT("your current hero of all atributes!");
  NL();
  YNQ("Are you sure you want to REROLL your character? ");
  if (YN()) {
    REROLLHERO();
  }
}

void CREST() {
  NL();
  ANSIC(3);
  PRINT("Your family crest has been stolen, they");
  ANSIC(3);
  PRINT("inscribe a new one with the name...");
  PROMPT(">");
  std::string UGH;
  INPUT(UGH, static_cast<int>(NAMEMAX));
  NL();
  YNQ("Are you sure?");
  if (!UGH.empty() && YN()) {
    PLAYER[B].PSEUDO = UGH;
  }
}

void BATTLECRY() {
  VIC();
  PLAYER[B].GASPD = UGH3;
}

void REROLLGAME() {
  if (!SO) {
    return;
  }
  NL();
  YNQ("Are you sure you want to re-roll the game? ");
  if (!YN()) {
    return;
  }
  EMPTYROSTER();
  PRINT("Character Sheets RE-ROLLED");
  SAVEFILE(DATAPATH + "record.hlw", "0\n");
  PRINT("Fight Records Re-initialized");
  PRINT("Bulletin Re-initiazled");
  SAVEFILE(GFILESPATH + "bullet.hlw", "");
  PLAY = false;
  GONADO = false;
}

struct Command {
  unsigned char key;
  void (*run)();
};

constexpr Command kCommands[] = {
    {'Q', QUIT},        {'V', VERSION},      {'P', PLUG},      {'1', AFIGHT},   {'2', BFIGHT},
    {'3', CFIGHT},      {'4', DFIGHT},       {'5', EFIGHT},    {'C', CHSTATS},  {'H', HEAL},
    {'W', WEAPONSHOP},  {'L', LEVELUPDATE},  {'A', DOGGIE},    {'D', DOCS},     {'G', GAMBLE},
    {'F', LISTPLAYERS}, {'R', PLAYERLIST},   {'S', STATSHOW},  {'T', TRAINING}, {'X', REROLL},
    {'+', DEPOBANK},    {'-', WITHDRAWBANK}, {'?', MENUIT},    {'E', BULLETIN}, {'Z', SPY},
    {'@', REROLLGAME},  {'*', CREST},        {'#', BATTLECRY},
};

void RUNCOMMAND(unsigned char OPTY) {
  for (const Command& command : kCommands) {
    if (command.key == OPTY) {
      command.run();
      return;
    }
  }
}

void COMMANDLOOP() {
  do {
    LEVELUPDATE();
    VARY2 = 1;
    EVILWIZARD();
    NL();
    NL();
    ANSIC(4);
    PROMPT("Command (?): ");
    unsigned char OPTY = 0;
    ONEK(OPTY, kCommandKeys);
    RUNCOMMAND(OPTY);
  } while (PLAY && GONADO && !HANGUP);
}
}  // namespace

void MAINPROGRAM() {
  IPORT();
  STARTVISIT();
  LOCKGAME();
  CLS();
  NL();
  NL();
  CREDITS();
  CLS();
  TITLE();
  NL();
  PRINT("News Bulletin:");
  NL();
  PRINTFILE(GFILESPATH + "bullet.hlw");
  if (HANGUP) {
    RETURN();
  }
  READROSTER();
  LOGIN();
  if (PLAYER[B].STATUS == 1) {
    NL();
    ANSIC(3);
    PRINT("A defeat was lead over you by " + PLAYER[B].KILLER + ".");
  }
  CHECKDAY();
  TAKEVISIT();
  NL();
  PAUSESCR();
  CLS();
  LOADTABLES();
  ANSIC(4);
  PLAYER[B].STATUS = 0;
  VARY2 = 1;
  if (HANGUP) {
    LEAVE();
  }
  STATSHOW();
  PLAY = true;
  COMMANDLOOP();
  SYSOPLOG("#*#*# " + THISUSER.NAME + " Played Stormhallow.");
  if (GONADO) {
    LEAVE();
  }
}
