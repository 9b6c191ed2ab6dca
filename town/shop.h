#pragma once
// The weapon and armour shop.

void WEAPONSHOP();
