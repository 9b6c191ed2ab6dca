#pragma once
// The daily check: the roster ranked by experience and the game day renewed.

void CHECKDAY();
