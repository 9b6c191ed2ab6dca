#include "town/clerics.h"

// Not built yet.
void HEAL() {}
