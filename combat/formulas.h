#pragma once
// The blow formulas of every fight.

double PLAYERATTACK();
double PLAYERATTACK2();
double OPPONENTATTACK();
double OPPONENTATTACK2();
