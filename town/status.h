#pragma once
// Status change: trading characteristics.

#include "store/state.h"

// The six characteristics as the town numbers them on screen, 1 to 6.
inline constexpr TABLE<double PLAYERTYPE::*, 6> CHARACTERISTIC = {
    nullptr,           &PLAYERTYPE::STRENGTH,     &PLAYERTYPE::INTELLIGENCE, &PLAYERTYPE::DEXTERITY,
    &PLAYERTYPE::LUCK, &PLAYERTYPE::CONSTITUTION, &PLAYERTYPE::CHARISMA};

void CHSTATS();
