#pragma once
// The day's fight records.

#include <string_view>

void READLA();
void RECORDA();
void ADDRECORD(std::string_view TEXT);
void LISTPLAYERS();
