#pragma once
// The Shooting Gallery.

void GAMBLE();
