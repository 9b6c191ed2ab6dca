#pragma once
// The PC character set that screen files are drawn in, as Unicode.

// The glyph of a byte: box drawing, blocks and letters for 128 to 255, the PC's
// pictures for the control codes 1 to 31 and 127, the byte itself otherwise.
char32_t CP437(unsigned char byte);
