#include "tests/support/heroes.h"

void plainHero(PLAYERTYPE& h, const std::string& name) {
  h = PLAYERTYPE{};
  h.NAME = h.PSEUDO = name;
  h.R = 1;
  h.STRENGTH = h.INTELLIGENCE = h.DEXTERITY = h.LUCK = h.CONSTITUTION = h.CHARISMA = 12;
  h.WEAPON = h.VEHICLE = 1;
  h.SHIELD = 15;
  h.GOLD = 100;
  h.FLIGHTS = 2;
}

void nameItems() {
  for (int n = 1; n <= MAXITEMS; ++n) {
    WNAME[n] = "Weapon " + std::to_string(n);
    SNAME[n] = "Armour " + std::to_string(n);
  }
}
