// The option box's mark stands on a see-through ground, which the box fills with its own
// background: decoded as any palette picture, the ground must lie only outside the circle,
// and the dot must sit in its middle.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "tessarin/widgets/GlyphArt.h"

#include <algorithm>
#include <cmath>

#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

namespace {

constexpr Color kGround = 0x123456;

TEST(GlyphArt, TheCircleIsSeeThroughOnlyOutsideItAndItsDotIsCentred) {
  for (bool enabled : {true, false}) {
    const GlyphPicture picture = DrawGlyph(GlyphShape::OptionCircle, true, enabled, kGround);
    auto rgb = DecodePaletteImage(kGlyphSize, kGlyphSize, picture.data());
    int ground = 0, dotLeft = kGlyphSize, dotRight = -1;
    for (int y = 0; y < kGlyphSize; ++y) {
      for (int x = 0; x < kGlyphSize; ++x) {
        const unsigned char* pixel = &rgb[(y * kGlyphSize + x) * 3];
        const Color color = pixel[0] << 16 | pixel[1] << 8 | pixel[2];
        if (color == (enabled ? kGlyphMark : kGlyphDisabledMark)) {
          dotLeft = std::min(dotLeft, x);
          dotRight = std::max(dotRight, x);
        }
        if (color != kGround) continue;
        ++ground;
        EXPECT_GT(std::hypot(x - 9.5, y - 9.5), 9.0) << "see-through at " << x << ", " << y;
      }
    }
    EXPECT_GT(ground, 4 * 10);  // the four corners
    EXPECT_EQ(dotLeft + dotRight, kGlyphSize - 1);
    EXPECT_GT(dotRight - dotLeft, 4);
  }
}

}  // namespace
