#include "town/training.h"

// Not built yet.
void TRAINING() {}
