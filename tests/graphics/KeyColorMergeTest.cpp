// The pixel work of transparent blits on hand-built client-side images.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "tessarin/graphics/KeyColorMerge.h"

using namespace tessarin;

namespace {

// A 32-bit image over a buffer this object owns, rows padded to lineBytes.
struct TestImage {
  TestImage(int w, int h, int lineBytes, unsigned char fill)
      : bytes(static_cast<std::size_t>(lineBytes) * h, fill) {
    image.width = w;
    image.height = h;
    image.bytes_per_line = lineBytes;
    image.bits_per_pixel = 32;
    image.data = reinterpret_cast<char*>(bytes.data());
  }
  unsigned char* Pixel(int x, int y) { return bytes.data() + y * image.bytes_per_line + x * 4; }
  void Set(int x, int y, Color color) {
    Pixel(x, y)[0] = color & 0xFF;
    Pixel(x, y)[1] = (color >> 8) & 0xFF;
    Pixel(x, y)[2] = (color >> 16) & 0xFF;
  }
  Color Get(int x, int y) { return Pixel(x, y)[0] | Pixel(x, y)[1] << 8 | Pixel(x, y)[2] << 16; }

  std::vector<unsigned char> bytes;
  XImage image{};
};

TEST(KeyColorMergeTest, KeyPixelsTakeTheBackgroundAndOthersStay) {
  TestImage picture(2, 1, 8, 0);
  picture.Set(1, 0, 0x123456);
  TestImage background(2, 1, 8, 0);
  background.Set(0, 0, 0xABCDEF);
  background.Set(1, 0, 0x111111);
  ReplaceKeyPixels(&picture.image, &background.image, 2, 1, 0, {});
  EXPECT_EQ(picture.Get(0, 0), 0xABCDEF);
  EXPECT_EQ(picture.Get(1, 0), 0x123456);
}

TEST(KeyColorMergeTest, RowsFollowEachImagesOwnLineLength) {
  TestImage picture(2, 2, 12, 0);  // one spare pixel per row
  picture.Pixel(2, 0)[0] = 0x55;   // the padding must not be read as a pixel nor written
  TestImage background(2, 2, 8, 0);
  background.Set(0, 1, 0x00FF00);
  background.Set(1, 1, 0x0000FF);
  ReplaceKeyPixels(&picture.image, &background.image, 2, 2, 0, {});
  EXPECT_EQ(picture.Get(0, 1), 0x00FF00);
  EXPECT_EQ(picture.Get(1, 1), 0x0000FF);
  EXPECT_EQ(picture.Pixel(2, 0)[0], 0x55);
  EXPECT_EQ(picture.Get(2, 1), 0);
}

TEST(KeyColorMergeTest, OversizedRequestsStayInsideBothBuffers) {
  // Run under AddressSanitizer, a read or write past either vector would fail here.
  TestImage picture(3, 2, 12, 0);
  TestImage background(2, 3, 8, 0x77);
  ReplaceKeyPixels(&picture.image, &background.image, 1000, 1000, 0, {});
  EXPECT_EQ(picture.Get(0, 0), 0x777777);
  EXPECT_EQ(picture.Get(1, 1), 0x777777);
  EXPECT_EQ(picture.Get(2, 0), 0);  // beyond the background's width
}

TEST(KeyColorMergeTest, AnotherKeyInAnImageOfTheOtherByteOrder) {
  TestImage picture(1, 1, 4, 0);
  const unsigned char keyPixel[] = {0x99, 0xAA, 0xBB, 0xCC};  // spare byte first, then red
  std::copy(std::begin(keyPixel), std::end(keyPixel), picture.Pixel(0, 0));
  TestImage background(1, 1, 4, 0x42);
  for (TestImage* image : {&picture, &background}) image->image.byte_order = MSBFirst;
  ReplaceKeyPixels(&picture.image, &background.image, 1, 1, 0xAABBCC, {});
  const unsigned char merged[] = {0x99, 0x42, 0x42, 0x42};
  EXPECT_TRUE(std::equal(std::begin(merged), std::end(merged), picture.Pixel(0, 0)));
}

TEST(KeyColorMergeTest, FourAndThreeBytePixelsMergeAlikeAndTheSpareByteStays) {
  for (int bytesPerPixel : {4, 3}) {
    SCOPED_TRACE(bytesPerPixel);
    TestImage picture(2, 1, 8, 0);
    picture.Set(1, 0, 0x000001);  // one step from the key: stays
    picture.Pixel(0, 0)[3] = 0x99;
    TestImage background(2, 1, 8, 0x42);
    for (TestImage* image : {&picture, &background})
      image->image.bits_per_pixel = bytesPerPixel * 8;
    ReplaceKeyPixels(&picture.image, &background.image, 2, 1, 0, {});
    // Byte 3 is the spare byte of a four-byte key pixel, and the first byte of a three-byte
    // pixel that is not the key: it stays either way.
    EXPECT_EQ(picture.Get(0, 0), 0x424242);
    EXPECT_EQ(picture.Get(1, 0), 0x000001);
    EXPECT_EQ(picture.Pixel(0, 0)[3], 0x99);
  }
}

TEST(KeyColorMergeTest, MasksThatDoNotFitAPixelChangeNothing) {
  TestImage picture(1, 1, 4, 0);
  TestImage background(1, 1, 4, 0x42);
  for (TestImage* image : {&picture, &background}) image->image.bits_per_pixel = 16;
  ReplaceKeyPixels(&picture.image, &background.image, 1, 1, 0, {});  // 24-bit masks
  ReplaceKeyPixels(&picture.image, nullptr, 1, 1, 0, {});
  EXPECT_EQ(picture.Get(0, 0), 0);
}

}  // namespace
