#pragma once
// Hero versus hero.

void DOGGIE();
