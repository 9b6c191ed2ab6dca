#pragma once
// The battle loop.

void BATTLE();
