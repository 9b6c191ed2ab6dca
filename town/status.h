#pragma once
// Status change: trading characteristics.

void CHSTATS();
