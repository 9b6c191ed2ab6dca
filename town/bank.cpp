#include "town/bank.h"

// Not built yet.
void DEPOBANK() {}
void WITHDRAWBANK() {}
