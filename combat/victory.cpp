#include "combat/victory.h"

// Not built yet.
void LEVELUPDATE() {}
