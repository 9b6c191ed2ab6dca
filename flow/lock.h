#pragma once
// One visit at a time: every visit rewrites the whole roster, so two at once would lose
// the changes of the one that leaves first.

// Takes the game for this visit, waiting a while if another visit holds it; a caller
// who hangs up meanwhile, or who waits in vain, ends the visit without writing a file.
void LOCKGAME();
// Gives the game back; the end of the process does the same, however it ends.
void UNLOCKGAME();
