#pragma once
// The five monster areas.

void AFIGHT();
void BFIGHT();
void CFIGHT();
void DFIGHT();
void EFIGHT();
