#pragma once
// The five monster areas.

#include <string>

class TextFile;

void AFIGHT();
void BFIGHT();
void CFIGHT();
void DFIGHT();
void EFIGHT();

// Meets one monster of the named monster file and fights it.
void FIGHT(const std::string& FILENAME);
// Picks and scales one monster of the monster file FIGHT opened: fills OPP and Z.
void SEARCHER();
// The count on the first line of an open monster file, and then monster record K into
// OPP and Z, each checked as an encounter checks it (the installation checker reads
// every record this way); any fault is fatal.
int READMONSTERCOUNT(TextFile& F);
void READMONSTER(TextFile& F, int K);
