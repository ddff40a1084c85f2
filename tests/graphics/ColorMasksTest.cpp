// Colours made into pixels for the TrueColor layouts a server may have: each component cut to
// its mask's width and put in its place, and the 24-bit layout left as it always was.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "tessarin/graphics/ColorMasks.h"

using namespace tessarin;

namespace {

constexpr ColorMasks k24Bit{};
constexpr ColorMasks k16Bit{0xF800, 0x07E0, 0x001F};
constexpr ColorMasks k15Bit{0x7C00, 0x03E0, 0x001F};
constexpr ColorMasks kBlueHigh{0x0000FF, 0x00FF00, 0xFF0000};
constexpr ColorMasks k30Bit{0x3FF00000, 0x000FFC00, 0x000003FF};

struct PixelCase {
  const char* name;
  ColorMasks masks;
  Color color;
  unsigned long pixel;
};

TEST(ColorMasksTest, EachComponentLandsInItsMaskCutToItsWidth) {
  const PixelCase cases[] = {
      {"24-bit probe colour", k24Bit, 0xCF3B76, 0xCF3B76},
      {"24-bit no colour, sign-extended", k24Bit, kNoColor, ~0ul},
      {"16-bit label grey", k16Bit, 0xB7B7B7, 0xB5B6},
      {"15-bit title green", k15Bit, 0x078B00, 0x0220},
      {"blue in the high byte", kBlueHigh, 0x123456, 0x563412},
      {"30-bit white fills every bit", k30Bit, 0xFFFFFF, 0x3FFFFFFF},
      {"30-bit half red", k30Bit, 0x800000, 0x201ul << 20},
  };
  for (const PixelCase& c : cases) {
    EXPECT_EQ(ColorToPixel(c.color, c.masks), c.pixel) << c.name;
  }
}

}  // namespace
