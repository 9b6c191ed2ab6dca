#include "flow/screens.h"

// Not built yet.
void MENUIT() {}
void DOCS() {}
void CREDITS() {}
