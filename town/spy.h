#pragma once
// Spying on other heroes.

void SPY();
