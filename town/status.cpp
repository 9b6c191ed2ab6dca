#include "town/status.h"

// Not built yet.
void CHSTATS() {}
