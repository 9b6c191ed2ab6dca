#pragma once
// The menu, documentation and credits screens.

void MENUIT();
void DOCS();
void CREDITS();
