#include "combat/battle.h"

// Not built yet.
void BATTLE() {}
