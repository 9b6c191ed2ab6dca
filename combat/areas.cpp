#include "combat/areas.h"

// Not built yet.
void AFIGHT() {}
void BFIGHT() {}
void CFIGHT() {}
void DFIGHT() {}
void EFIGHT() {}
