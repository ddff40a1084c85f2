// The pictures of the check and option boxes, decoded as any palette picture is: the sunken
// rings, the check mark and the dot, the greyer disabled palette, and a circle whose only
// black pixels (the see-through colour) lie outside it.
#include "widgets/GlyphArt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graphics/XImageFactory.h"

namespace {

class Decoded {
 public:
  Decoded(GlyphShape shape, bool marked, bool enabled) {
    const GlyphPicture picture = DrawGlyph(shape, marked, enabled);
    auto rgb = DecodePaletteImage(kGlyphSize, kGlyphSize, picture.data());
    for (int i = 0; i < kGlyphSize * kGlyphSize; ++i) {
      pixels.push_back(rgb[i * 3] << 16 | rgb[i * 3 + 1] << 8 | rgb[i * 3 + 2]);
    }
  }
  Color At(int x, int y) const { return pixels[y * kGlyphSize + x]; }
  int Count(Color color) const {
    int count = 0;
    for (Color pixel : pixels) count += pixel == color ? 1 : 0;
    return count;
  }

 private:
  std::vector<Color> pixels;
};

TEST(GlyphArt, TheSquareIsSunkenWithAWhiteFaceAndAThreePixelCheckMark) {
  Decoded empty(GlyphShape::CheckSquare, false, true);
  EXPECT_EQ(empty.At(0, 0), kGlyphOuterShadow);
  EXPECT_EQ(empty.At(10, 0), kGlyphOuterShadow);
  EXPECT_EQ(empty.At(1, 10), kGlyphInnerShadow);
  EXPECT_EQ(empty.At(19, 19), kGlyphOuterLight);
  EXPECT_EQ(empty.At(19, 0), kGlyphOuterLight);
  EXPECT_EQ(empty.At(18, 10), kGlyphInnerLight);
  EXPECT_EQ(empty.Count(kGlyphFace), 16 * 16 + 39);  // the face, the white right and bottom edges
  EXPECT_EQ(empty.Count(kGlyphMark), 0);

  Decoded checked(GlyphShape::CheckSquare, true, true);
  EXPECT_EQ(checked.Count(kGlyphMark), 10 * 3);
  EXPECT_EQ(checked.At(7, 11), kGlyphMark);
  EXPECT_EQ(checked.At(14, 6), kGlyphMark);
  EXPECT_EQ(checked.At(7, 5), kGlyphFace);
}

TEST(GlyphArt, DisabledPicturesHaveTheSamePixelsInAGreyerPalette) {
  for (GlyphShape shape : {GlyphShape::CheckSquare, GlyphShape::OptionCircle}) {
    Decoded enabled(shape, true, true);
    Decoded disabled(shape, true, false);
    int greyedFace = 0, greyedMark = 0;
    for (int y = 0; y < kGlyphSize; ++y) {
      for (int x = 0; x < kGlyphSize; ++x) {
        const Color before = enabled.At(x, y), after = disabled.At(x, y);
        if (before == after) continue;
        greyedFace += before == kGlyphFace && after == kGlyphDisabledFace ? 1 : 0;
        greyedMark += before == kGlyphMark && after == kGlyphDisabledMark ? 1 : 0;
      }
    }
    EXPECT_GT(greyedFace, 100);
    EXPECT_EQ(greyedMark, enabled.Count(kGlyphMark));
    EXPECT_EQ(disabled.Count(kGlyphDisabledFace) + disabled.Count(kGlyphDisabledMark),
              greyedFace + greyedMark);
  }
}

TEST(GlyphArt, TheCircleIsSeeThroughOnlyOutsideItAndHoldsACentredDotWhenMarked) {
  for (bool marked : {false, true}) {
    Decoded circle(GlyphShape::OptionCircle, marked, true);
    int ground = 0;
    for (int y = 0; y < kGlyphSize; ++y) {
      for (int x = 0; x < kGlyphSize; ++x) {
        if (circle.At(x, y) != kGlyphGround) continue;
        ++ground;
        EXPECT_GT(std::hypot(x - 9.5, y - 9.5), 9.0) << "see-through at " << x << ", " << y;
      }
    }
    EXPECT_GT(ground, 4 * 10);  // the four corners
    EXPECT_EQ(circle.At(9, 0), kGlyphOuterShadow);
    EXPECT_EQ(circle.At(10, 19), kGlyphOuterLight);
    EXPECT_EQ(circle.At(9, 9), marked ? kGlyphMark : kGlyphFace);
    EXPECT_EQ(circle.At(4, 9), kGlyphFace);
  }
  Decoded dot(GlyphShape::OptionCircle, true, true);
  EXPECT_EQ(dot.At(6, 9), kGlyphMark);
  EXPECT_EQ(dot.At(13, 9), kGlyphMark);
  EXPECT_EQ(dot.At(5, 9), kGlyphFace);
  EXPECT_EQ(dot.At(14, 9), kGlyphFace);
}

}  // namespace
