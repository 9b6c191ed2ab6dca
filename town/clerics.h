#pragma once
// The clerics, who heal wounds for Steel.

void HEAL();
