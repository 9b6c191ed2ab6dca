#include "combat/formulas.h"

// Not built yet.
double PLAYERATTACK() { return 0; }
double PLAYERATTACK2() { return 0; }
double OPPONENTATTACK() { return 0; }
double OPPONENTATTACK2() { return 0; }
