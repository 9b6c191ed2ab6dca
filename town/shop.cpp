#include "town/shop.h"

// Not built yet.
void WEAPONSHOP() {}
