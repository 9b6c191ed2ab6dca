#include "store/herofile.h"

// Not built yet.
void READROSTER() {}
void LEAVE() { throw 0; }
void EMPTYROSTER() {}
