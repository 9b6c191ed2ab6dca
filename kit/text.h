#pragma once
// Date and number texts: today's date as the day file keeps it, typed numbers, and the
// three number forms of messages and files (one routine each, used everywhere).

#include <string>
#include <string_view>

// Today's local date as MM/DD/YY.
std::string DATE();
// The two-character form of a number text.
std::string TCH(std::string_view I);
// The whole number at the start of a typed text, forgiving trailing rubbish; its low 16 bits.
int VALUE(std::string_view I);

// Round: to the nearest integer, an exact half to the even neighbour.
int ROUNDED(double x);
// Whole number: written without decimals, an exact half away from zero.
std::string WHOLE(double x);
// Width w: padded on the left with blanks to at least w characters, never cut.
std::string PADL(std::string_view text, int w);
