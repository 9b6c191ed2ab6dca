#pragma once
// The five monster areas.

#include <string>

void AFIGHT();
void BFIGHT();
void CFIGHT();
void DFIGHT();
void EFIGHT();

// Meets one monster of the named monster file and fights it.
void FIGHT(const std::string& FILENAME);
// Picks and scales one monster of the monster file FIGHT opened: fills OPP and Z.
void SEARCHER();
