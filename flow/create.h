#pragma once
// Hero creation and the battle cry.

void CREATE(bool ISNEW);
void VIC();
