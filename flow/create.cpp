#include "flow/create.h"

// Not built yet.
void CREATE(bool) {}
void VIC() {}
