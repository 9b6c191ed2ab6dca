#pragma once
// The bank.

void DEPOBANK();
void WITHDRAWBANK();
