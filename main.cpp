// Stormhallow: one caller's visit, started by the board with the parameter file.
#include "flow/entry.h"

int main(int argc, char** argv) { return STORMHALLOW(argc, argv); }
