#include "store/tables.h"

#include <string>

#include "kit/crt.h"
#include "kit/door.h"
#include "kit/random.h"
#include "kit/text.h"
#include "kit/textfile.h"
#include "store/state.h"

namespace {
std::string numbered(const char* what, int n) {
  return std::string(what) + " " + std::to_string(n);
}

template <int N>
void loadNumbers(const char* file, const char* what, TABLE<double, N>& table) {
  TextFile f;
  f.openOrDie(DATAPATH + file);
  for (int n = 1; n <= N; ++n) {
    table[n] = f.readReal(numbered(what, n));
    f.skipLine();
  }
}

int heldWeapon() {
  return ROUNDED(PLAYER[B].WEAPON);
}
}  // namespace

void READWEAPONS() {
  TextFile f;
  f.openOrDie(DATAPATH + "weapons.hlw");
  for (int n = 1; n <= MAXITEMS; ++n) {
    WNAME[n] = f.readField(NAMEMAX, numbered("the name of weapon", n));
    W2[n] = f.readReal(numbered("the attack value of weapon", n));
    W3[n] = f.readReal(numbered("the power value of weapon", n));
    f.skipLine();
  }
}

void READARMOUR() {
  TextFile f;
  f.openOrDie(DATAPATH + "armor.hlw");
  for (int n = 1; n <= MAXITEMS; ++n) {
    SNAME[n] = f.readField(NAMEMAX, numbered("the name of armour", n));
  }
}

void READPRICES() {
  loadNumbers<MAXITEMS>("prices.hlw", "the price of item", COST);
}

void READLEVELS() {
  loadNumbers<MAXLEVELS>("experience.hlw", "the experience for level", REQUIRED);
}

void LOADTABLES() {
  ANSIC(2);
  READWEAPONS();
  PROMPT("\r");
  ANSIC(2);
  READARMOUR();
  READPRICES();
  PLAYER[B].ATTACK = FIND1();
  PLAYER[B].POWER = FIND2();
  READLEVELS();
}

double FIND1() {
  return W2[heldWeapon()];
}

double FIND2() {
  return W3[heldWeapon()];
}

double SUPPLANT() {
  return 0.8 + Random(4) / 10.0;
}
