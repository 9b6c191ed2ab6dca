#pragma once
// The item and level tables, and the values derived from them and from chance.

void LOADTABLES();
double FIND1();
double FIND2();
double SUPPLANT();
