#include "town/shop.h"

#include <string>
#include <string_view>

#include "kit/crt.h"
#include "kit/display.h"
#include "kit/text.h"
#include "store/herofile.h"
#include "store/state.h"
#include "store/tables.h"

namespace {
constexpr std::size_t kColumn = 25;

// The weapon and armour names of the list row being built.
std::string STRIP;
std::string CROSS;
// The last one-key answer.
unsigned char OPTY = 0;

// Pads a name to its column; a longer name is kept whole and shifts the row.
void padToColumn(std::string& name) {
  if (name.size() < kColumn) {
    name.append(kColumn - name.size(), ' ');
  }
}

void STRAIT() {
  padToColumn(STRIP);
}
void STRIPE() {
  padToColumn(CROSS);
}

// No deal is ever made from an answer given by a line that has dropped.
void leaveIfHungUp() {
  if (HANGUP) {
    LEAVE();
  }
}

void ask(std::string_view question, std::string_view keys) {
  NL();
  PROMPT(question);
  ONEK(OPTY, keys);
  leaveIfHungUp();
}

void WEAPONLIST() {
  NL();
  NL();
  PRINT("  Num. Weapon                      Armour                          Price   ");
  PRINT("(-------------------------------------------------------------------------)");
  for (int n = 1; n <= MAXITEMS; ++n) {
    leaveIfHungUp();
    const std::string price = PADL(WHOLE(COST[n]), 9);
    const std::string number = PADL(std::to_string(n), 2);
    ANSIC(4);
    STRIP = WNAME[n];
    STRAIT();
    CROSS = SNAME[n];
    STRIPE();
    PRINTA("  " + number + ">  " + STRIP + "   " + CROSS + "   " + price, ABORT, NEXT);
    NL();
    if (ABORT) {
      break;
    }
  }
}

// Gives false when the caller leaves the shop.
bool purchase() {
  NL();
  NL();
  PROMPT("Enter weapon/armour # you wish buy: ");
  std::string typed;
  INPUT(typed, 2);
  leaveIfHungUp();
  const int n = VALUE(typed);
  if (n == 0) {
    return false;
  }
  // Two characters reach -9 and 99, beyond the 25 items of the tables.
  if (n < 1 || n > MAXITEMS) {
    PRINT("There is no item of that number.");
    return true;
  }
  PLAYERTYPE& hero = PLAYER[B];
  if (hero.GOLD < COST[n]) {
    PRINT("You don not have enough Steel .");
    return true;
  }
  ask("(W)eapon or (A)rmour: ", "WA");
  YNQ("Are you sure you want buy it? ");
  const bool sure = YN();
  leaveIfHungUp();
  if (!sure) {
    return true;
  }
  hero.GOLD -= COST[n];
  NL();
  ANSIC(5);
  if (OPTY == 'W') {
    hero.WEAPON = n;
    PRINT("You've bought a " + WNAME[n]);
    hero.ATTACK = FIND1();
    hero.POWER = FIND2();
  } else {
    hero.VEHICLE = n;
    PRINT("You've bought a " + SNAME[n]);
  }
  return true;
}

// The two offers differ in form: the weapon's amount is unpadded, the armour's in width 7.
void offer(const std::string& amount) {
  ask("I will purchase it for " + amount + ", okay? ", "YN");
}

// Gives false when the caller leaves the shop.
bool sale() {
  ask("(W)eapon,(A)rmour,(Q)uit : ", "AWQ");
  PLAYERTYPE& hero = PLAYER[B];
  if (OPTY == 'Q') {
    return false;
  }
  if (OPTY == 'W') {
    const double X = hero.CHARISMA * COST[ROUNDED(hero.WEAPON)] * 0.05;
    offer(WHOLE(X));
    if (OPTY == 'Y') {
      ANSIC(7);
      PRINT("Is it Dwarven Made?");
      hero.WEAPON = 1;
      hero.GOLD += X;
    }
  } else {
    const double X = hero.CHARISMA * 0.05 * COST[ROUNDED(hero.VEHICLE)];
    offer(PADL(WHOLE(X), 7));
    if (OPTY == 'Y') {
      PRINT("Fine Craftsmanship!");
      hero.VEHICLE = 1;
      hero.GOLD += X;
    }
  }
  return true;
}
}  // namespace

void WEAPONSHOP() {
  CLS();
  ANSIC(4);
  PRINT("Weapon & Armour Shop");
  ANSIC(7);
  PRINT("$$$$$$$$$$$$$$$$$$$$");
  bool inShop = true;
  while (inShop) {
    ask("(B)rowse, (S)ell, (P)urchase, or (Q)uit? ", "BSQP");
    switch (OPTY) {
      case 'B':
        WEAPONLIST();
        break;
      case 'P':
        inShop = purchase();
        break;
      case 'S':
        inShop = sale();
        break;
      default:
        inShop = false;
        break;
    }
  }
}
