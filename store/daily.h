#pragma once
// The daily check: the roster ranked by experience and the game day renewed.

#include <string>

void CHECKDAY();
// The last game day as the day file's first line holds it; a missing file is fatal.
std::string READDAY();
