#include "store/herofile.h"

#include <string>

#include "kit/crt.h"
#include "kit/door.h"
#include "kit/ending.h"
#include "kit/text.h"
#include "kit/textfile.h"
#include "store/state.h"

namespace {
constexpr const char* kHeroFile = "characte.hlw";
constexpr const char* kBackupFile = "characte.bak";

std::string heroFile() {
  return DATAPATH + kHeroFile;
}

// Keeps the roster about to be replaced as characte.bak, one generation, so that a sysop
// can undo a bad visit or a re-roll. The roster matters more than its copy: a backup
// that cannot be written does not stop the save.
void backUpRoster() {
  try {
    TextFile old;
    if (old.open(heroFile())) {
      SAVEFILE(DATAPATH + kBackupFile, old.contents());
    }
  } catch (const FatalError&) {
  }
}

void saveRoster(const std::string& text) {
  backUpRoster();
  SAVEFILE(heroFile(), text);
}

// The file's integers are 16-bit; anything wider would not survive a save.
int readShort(TextFile& f, const std::string& what) {
  long v = f.readInt(what);
  if (v < -32768 || v > 32767) {
    f.fail("expected " + what + " (from -32768 to 32767), found " + std::to_string(v));
  }
  return static_cast<int>(v);
}

// Weapon and armour numbers index the item tables: outside them they would read
// past the tables.
double readItem(TextFile& f, const std::string& what) {
  double v = f.readReal(what);
  int n = ROUNDED(v);
  if (n < 1 || n > MAXITEMS) {
    f.fail("expected " + what + " (from 1 to " + std::to_string(MAXITEMS) + "), found " + WHOLE(v));
  }
  return v;
}

void readHero(TextFile& f, int i) {
  PLAYERTYPE& p = PLAYER[i];
  const std::string hero = " of hero " + std::to_string(i);
  p.NAME = f.readField(NAMEMAX, "the user name" + hero);
  p.PSEUDO = f.readField(NAMEMAX, "the shown name" + hero);
  p.GASPD = f.readField(CRYMAX, "the battle cry" + hero);
  p.STATUS = readShort(f, "the status" + hero);
  f.skipLine();
  if (p.STATUS == 1) {
    p.KILLER = f.readField(NAMEMAX, "the slayer" + hero);
  }
  p.STRENGTH = f.readReal("the strength" + hero);
  p.INTELLIGENCE = f.readReal("the intelligence" + hero);
  p.LUCK = f.readReal("the luck" + hero);
  p.DEXTERITY = f.readReal("the dexterity" + hero);
  p.CONSTITUTION = f.readReal("the constitution" + hero);
  p.CHARISMA = f.readReal("the charisma" + hero);
  p.EXPERIENCE = f.readReal("the experience" + hero);
  p.R = f.readReal("the level" + hero);
  p.SHIELD = f.readReal("the hit points" + hero);
  p.WEAPON = readItem(f, "the weapon number" + hero);
  p.VEHICLE = readItem(f, "the armour number" + hero);
  p.GOLD = f.readReal("the steel in hand" + hero);
  p.FLIGHTS = readShort(f, "the visits left" + hero);
  p.BANK = f.readReal("the steel in the bank" + hero);
  p.WINS = f.readReal("the wins" + hero);
  p.LOSES = f.readReal("the losses" + hero);
  p.PLUS = readShort(f, "the weapon's plus" + hero);
  f.skipLine();
}

std::string numbersLine(const PLAYERTYPE& p) {
  auto r = [](double x) { return std::to_string(ROUNDED(x)) + " "; };
  return r(p.STRENGTH) + r(p.INTELLIGENCE) + r(p.LUCK) + r(p.DEXTERITY) + r(p.CONSTITUTION) +
         r(p.CHARISMA) + WHOLE(p.EXPERIENCE) + " " + r(p.R) + r(p.SHIELD) + r(p.WEAPON) +
         r(p.VEHICLE) + WHOLE(p.GOLD) + "  " + std::to_string(p.FLIGHTS) + " " + WHOLE(p.BANK) +
         " " + r(p.WINS) + r(p.LOSES) + std::to_string(p.PLUS);
}

std::string rosterText() {
  std::string text = std::to_string(NUMBER_OF_PLAYERS) + "\n";
  for (int i = 1; i <= NUMBER_OF_PLAYERS; ++i) {
    const PLAYERTYPE& p = PLAYER[i];
    text += p.NAME + "\n" + p.PSEUDO + "\n" + p.GASPD + "\n" + std::to_string(p.STATUS) + "\n";
    if (p.STATUS == 1) {
      text += p.KILLER + "\n";
    }
    text += numbersLine(p) + "\n";
  }
  return text;
}
}  // namespace

void READROSTER() {
  TextFile f;
  f.openOrDie(heroFile());
  READHEROES(f);
}

void READHEROES(TextFile& f) {
  long n = f.readInt("the number of heroes");
  // A count the roster cannot hold would lose heroes at the next save.
  if (n < 0 || n > MAXPLAYERS) {
    f.fail("expected the number of heroes (from 0 to " + std::to_string(MAXPLAYERS) + "), found " +
           std::to_string(n));
  }
  f.skipLine();
  NUMBER = static_cast<int>(n);
  NUMBER_OF_PLAYERS = NUMBER;
  for (int i = 1; i <= NUMBER; ++i) {
    readHero(f, i);
  }
}

void LEAVE() {
  NL();
  saveRoster(rosterText());
  RETURN();
}

void EMPTYROSTER() {
  saveRoster("0\n");
}
