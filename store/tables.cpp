#include "store/tables.h"

// Not built yet.
void LOADTABLES() {}
double FIND1() { return 0; }
double FIND2() { return 0; }
double SUPPLANT() { return 0; }
