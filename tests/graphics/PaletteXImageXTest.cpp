// The direct conversion of a palette image into an XImage gives, byte for byte, the image that
// decoding into triples and converting those gives.
#include "graphics/GraphicsTestSupport.h"

#include <cstring>

#include "game/images/TitleImages.h"
#include "tessarin/app/Application.h"
#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

namespace {

class PaletteXImageTest : public CanvasFixture {
 protected:
  PaletteXImageTest() : CanvasFixture({420, 300}) {}

  void ExpectSameImage(const unsigned char* data, int w, int h) {
    std::unique_ptr<unsigned char[]> rgb = DecodePaletteImage(w, h, data);
    OwnedXImage viaTriples(MakeXImage(display(), rgb.get(), w, h));
    OwnedXImage direct(MakePaletteXImage(display(), data, w, h));
    ASSERT_TRUE(viaTriples);
    ASSERT_TRUE(direct);
    EXPECT_EQ(direct->width, viaTriples->width);
    EXPECT_EQ(direct->height, viaTriples->height);
    EXPECT_EQ(direct->depth, viaTriples->depth);
    EXPECT_EQ(direct->bits_per_pixel, viaTriples->bits_per_pixel);
    ASSERT_EQ(direct->bytes_per_line, viaTriples->bytes_per_line);
    EXPECT_EQ(std::memcmp(direct->data, viaTriples->data,
                          static_cast<std::size_t>(direct->bytes_per_line) * h),
              0);
  }
};

TEST_F(PaletteXImageTest, BothTitlePicturesComeOutAsTheTwoStepConversionMakesThem) {
  ExpectSameImage(kTitleLarge, kTitleLargeWidth, kTitleLargeHeight);
  ExpectSameImage(kTitleSmall, kTitleSmallWidth, kTitleSmallHeight);
}

TEST_F(PaletteXImageTest, AnOddWidthKeepsItsLastColumn) {
  // 3 x 2, entries 1 2 3 on top and 4 5 6 below (stored bottom row first, two a byte).
  std::vector<unsigned char> data;
  for (int entry = 0; entry < 16; ++entry) {
    data.insert(data.end(), {static_cast<unsigned char>(0x10 * entry), 0x20, 0x30});
  }
  data.insert(data.end(), {0x45, 0x60, 0x12, 0x30});
  ExpectSameImage(data.data(), 3, 2);
}

TEST_F(PaletteXImageTest, NoDataGivesNoImage) {
  EXPECT_EQ(MakePaletteXImage(display(), nullptr, 4, 4), nullptr);
  XImage empty{};
  empty.format = ZPixmap;
  EXPECT_EQ(CopyXImage(display(), empty), nullptr);
}

TEST_F(PaletteXImageTest, ACopyHasThePicturesPixelsInABufferOfItsOwn) {
  OwnedXImage picture(
      MakePaletteXImage(display(), kTitleSmall, kTitleSmallWidth, kTitleSmallHeight));
  ASSERT_TRUE(picture);
  OwnedXImage copy(CopyXImage(display(), *picture));
  ASSERT_TRUE(copy);
  ASSERT_EQ(copy->bytes_per_line, picture->bytes_per_line);
  ASSERT_EQ(copy->height, picture->height);
  const auto size = static_cast<std::size_t>(picture->bytes_per_line) * picture->height;
  EXPECT_EQ(std::memcmp(copy->data, picture->data, size), 0);
  XPutPixel(copy.get(), 0, 0, 0x123456);
  EXPECT_NE(XGetPixel(picture.get(), 0, 0), XGetPixel(copy.get(), 0, 0));
}

}  // namespace
