#pragma once
// The item and level tables, and the values derived from them and from chance.

void LOADTABLES();
// The four table files one by one, as LOADTABLES reads them; any fault is fatal.
void READWEAPONS();
void READARMOUR();
void READPRICES();
void READLEVELS();
double FIND1();
double FIND2();
double SUPPLANT();
