#pragma once
// Plain pieces of the game state that many tests start from.

#include <string>

#include "store/state.h"

// A level 1 hero with 12 in every characteristic, 15 hit points and 100 Steel, holding
// item 1 of both kinds; its weapon values are the caller's to set.
void plainHero(PLAYERTYPE& h, const std::string& name);
// Names item n "Weapon n" and "Armour n"; prices and weapon values are the caller's.
void nameItems();
