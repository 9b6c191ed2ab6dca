// stormhallow-check [FOLDER]: is this game folder fit to play?
#include <iostream>
#include <string>

#include "flow/check.h"

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc > 2 || first == "-h" || first == "--help") {
    (argc > 2 ? std::cerr : std::cout)
        << "usage: stormhallow-check [FOLDER]\n"
           "Reads every data and screen file of the game folder FOLDER (by default the\n"
           "current one) and reports every problem. Exit status 0: playable.\n";
    return argc > 2 ? 2 : 0;
  }
  return CHECKFOLDER(argc > 1 ? first : ".", std::cout);
}
