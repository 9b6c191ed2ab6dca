#include "town/spy.h"

// Not built yet.
void SPY() {}
