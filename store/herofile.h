#pragma once
// The hero file: the roster read at start-up and written back whole by LEAVE.

class TextFile;

// Reads the roster from the hero file; any fault in it is fatal.
void READROSTER();
// The same from a hero file already open, left just after the last hero it counts.
void READHEROES(TextFile& f);
// Saves the roster and ends the visit.
[[noreturn]] void LEAVE();
// Rewrites the hero file as an empty roster (the sysop's re-roll of the game).
void EMPTYROSTER();
