#include "town/sheet.h"

// Not built yet.
void STATSHOW() {}
