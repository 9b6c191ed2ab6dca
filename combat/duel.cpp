#include "combat/duel.h"

// Not built yet.
void DOGGIE() {}
