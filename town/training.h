#pragma once
// The Training Grounds.

void TRAINING();
