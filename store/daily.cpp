#include "store/daily.h"

// Not built yet.
void CHECKDAY() {}
