#include "combat/formulas.h"

#include "kit/random.h"
#include "kit/text.h"
#include "store/state.h"

namespace {
// The swing factor: uniform in [1, 6), a fresh draw at every use.
double U() {
  return Random() * 5 + 1;
}
}  // namespace

double PLAYERATTACK() {
  const PLAYERTYPE& hero = PLAYER[B];
  return U() * VARY * hero.ATTACK * hero.STRENGTH * hero.DEXTERITY /
         (OPP.VEHICLE * OPP.DEXTERITY * OPP.LUCK * VARY2);
}

double PLAYERATTACK2() {
  const PLAYERTYPE& hero = PLAYER[B];
  const double swing = U() * U();
  return ROUNDED(swing * VARY * hero.POWER * hero.STRENGTH / (OPP.VEHICLE * OPP.LUCK * VARY2));
}

double OPPONENTATTACK() {
  const PLAYERTYPE& hero = PLAYER[B];
  return U() * VARY2 * OPP.WEAPON * OPP.STRENGTH * OPP.DEXTERITY /
         (hero.VEHICLE * hero.DEXTERITY * hero.LUCK * VARY);
}

double OPPONENTATTACK2() {
  const PLAYERTYPE& hero = PLAYER[B];
  const double swing = U() * U();
  return ROUNDED(swing * VARY2 * OPP.WEAPON2 * OPP.STRENGTH / (hero.VEHICLE * hero.LUCK * VARY));
}
