#pragma once
// The hero rankings.

void PLAYERLIST();
