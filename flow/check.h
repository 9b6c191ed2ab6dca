#pragma once
// The installation checker: every data and screen file of a game folder read with the
// game's own readers, and every problem found reported at once.

#include <ostream>
#include <string>

// Checks the game folder FOLDER (holding data/ and text/) and writes one line per problem
// to OUT, each naming the file, the line and what was expected, then a verdict. Errors
// would stop or harm a visit; warnings are for what plays, but not as the sysop may have
// meant. Gives 0 when the folder is playable (no errors), 1 when not. Replaces the game
// state and the folder prefixes.
int CHECKFOLDER(const std::string& FOLDER, std::ostream& OUT);
