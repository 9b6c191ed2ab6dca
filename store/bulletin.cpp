#include "store/bulletin.h"

// Not built yet.
void BULLETIN() {}
