#include "flow/rankings.h"

// Not built yet.
void PLAYERLIST() {}
