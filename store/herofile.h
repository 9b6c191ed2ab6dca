#pragma once
// The hero file: the roster read at start-up and written back whole by LEAVE.

void READROSTER();
[[noreturn]] void LEAVE();
void EMPTYROSTER();
