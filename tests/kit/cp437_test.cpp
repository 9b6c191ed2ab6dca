// Screen files drawn in the PC character set: the glyph of every byte, and the width
// word wrap gives it.
#include "kit/cp437.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "kit/display.h"
#include "tests/support/world.h"

namespace {
// The system's own table of the code page, to hold ours against.
char32_t systemGlyph(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-32LE", "IBM437");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* inp = in;
  char* outp = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  iconv(cd, &inp, &inLeft, &outp, &outLeft);
  iconv_close(cd);
  return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

TEST(Cp437Test, EveryHighByteIsItsGlyphInTheCodePage) {
  for (int byte = 128; byte <= 255; ++byte) {
    EXPECT_EQ(CP437(static_cast<unsigned char>(byte)),
              systemGlyph(static_cast<unsigned char>(byte)))
        << "byte " << byte;
  }
}

TEST(Cp437Test, ControlCodesArePicturesAndTextStaysText) {
  struct Case {
    unsigned char byte;
    char32_t glyph;
  } cases[] = {{1, U'☺'}, {3, U'♥'},   {27, U'←'},  {31, U'▼'}, {127, U'⌂'},
               {0, 0},    {' ', U' '}, {'A', U'A'}, {'~', U'~'}};
  for (const Case& c : cases) {
    EXPECT_EQ(CP437(c.byte), c.glyph) << "byte " << int{c.byte};
  }
}

class Cp437WrapTest : public WorldTest {};

TEST_F(Cp437WrapTest, ABoxLineOfTheFullWidthTakesOneRow) {
  // 78 columns of double-line box from column 1: one glyph a column, no wrap.
  const std::string top = "\xC9" + std::string(76, '\xCD') + "\xBB";
  writeFile("text/box.hlw", top + "\n\xBA Hi\n");
  PRINTFILE("text/box.hlw");
  EXPECT_EQ(screen.row(0), top);
  EXPECT_EQ(screen.row(1), "\xBA Hi");
}
}  // namespace
