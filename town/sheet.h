#pragma once
// The character sheet.

void STATSHOW();
