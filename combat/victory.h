#pragma once
// Victory, loot and level-up.

void LEVELUPDATE();
