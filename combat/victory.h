#pragma once
// Victory, loot and level-up.

// The experience award of the opponent being fought.
extern double Z;

// The opponent's drop, offered to the hero after a kill.
void FINDO();
// The spoils of a kill: Steel, experience and, in a hero fight, the loser's marks.
void MUTANTVICTORY();
// At most one new level per call, when the experience has passed the next threshold.
void LEVELUPDATE();
