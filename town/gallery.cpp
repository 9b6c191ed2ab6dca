#include "town/gallery.h"

// Not built yet.
void GAMBLE() {}
