#pragma once
// Text display: screen files and flowing text, with colour codes, word wrap to the
// caller's screen width, and the caller's stop, skip and pause keys.

#include <string>
#include <string_view>

// The bright-mode offset of the Ctrl-A colour codes, 0 or 8; kept for the whole visit.
extern int ADDTOFORE;

void PRINTFILE(std::string_view FN);
void PFL(std::string_view FN, bool& ABORT, bool CR);
void PRINTACR(std::string_view I, bool& ABORT, bool& NEXT);
void PRINTA(std::string_view I, bool& ABORT, bool& NEXT);
void PRINTA1(std::string_view I, bool& ABORT, bool& NEXT);
