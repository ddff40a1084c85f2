// Adopting a read-back probe pixel into the process-wide layout, for layouts this machine's
// server would never report: every warning text, in its order, and where colours are found.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/TempDirectory.h"
#include "tessarin/graphics/PixelFormatProbe.h"
#include "tessarin/graphics/PixelLayout.h"

using namespace tessarin;

namespace {

class PixelFormatProbeTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetPixelLayout(); }
  void TearDown() override { ResetPixelLayout(); }
  std::string Logged() const { return log.Text(); }
  // A 1 x 1 pixel as the expected server reports it, holding the given bytes.
  XImage Pixel(unsigned char* bytes) {
    XImage image{};
    image.width = image.height = 1;
    image.format = ZPixmap;
    image.bitmap_pad = image.bitmap_unit = image.bits_per_pixel = 32;
    image.depth = 24;
    image.bytes_per_line = 4;
    image.data = reinterpret_cast<char*>(bytes);
    return image;
  }

  LogCapture log;
};

TEST_F(PixelFormatProbeTest, TheExpectedLayoutIsTakenSilently) {
  unsigned char bytes[] = {0x76, 0x3B, 0xCF, 0x00};
  AdoptProbedPixel(Pixel(bytes));
  EXPECT_EQ(Logged(), "");
  EXPECT_EQ(CurrentPixelLayout().depth, 24);
  EXPECT_EQ(CurrentPixelLayout().bitsPerPixel, 32);
  EXPECT_EQ(CurrentPixelLayout().red, 2);
  EXPECT_EQ(CurrentPixelLayout().green, 1);
  EXPECT_EQ(CurrentPixelLayout().blue, 0);
}

TEST_F(PixelFormatProbeTest, PackedPixelsAreSearchedOnlyInTheirOwnBytes) {
  unsigned char bytes[] = {0xCF, 0x3B, 0x76, 0xCF};
  XImage pixel = Pixel(bytes);
  pixel.bits_per_pixel = 24;
  AdoptProbedPixel(pixel);
  EXPECT_EQ(Logged(),
            "WARNING img->bits_per_pixel: 24\n"
            "WARNING MyImage::ixRosso: 0\n"
            "WARNING MyImage::ixBlu: 2\n");
  EXPECT_EQ(CurrentPixelLayout().red, 0);  // byte 3 lies beyond the pixel
  EXPECT_EQ(CurrentPixelLayout().blue, 2);
  EXPECT_EQ(CurrentPixelLayout().sample[2], 0x76);
  EXPECT_EQ(CurrentPixelLayout().sample[3], 0);
}

TEST_F(PixelFormatProbeTest, AColourNotFoundReportsAllThreeIndices) {
  unsigned char bytes[] = {0x76, 0x3B, 0x00, 0x00};
  AdoptProbedPixel(Pixel(bytes));
  EXPECT_EQ(Logged(),
            "WARNING MyImage::ixRosso: 2\n"
            "WARNING MyImage::ixVerde: 1\n"
            "WARNING MyImage::ixBlu: 0\n");
}

TEST_F(PixelFormatProbeTest, EveryUnexpectedParameterIsNamedInOrder) {
  unsigned char bytes[] = {0x76, 0x3B, 0xCF, 0x00};
  XImage pixel = Pixel(bytes);
  pixel.format = XYPixmap;
  pixel.xoffset = 3;
  pixel.bitmap_pad = 8;
  pixel.bitmap_unit = 16;
  pixel.depth = 30;
  pixel.bitmap_bit_order = MSBFirst;
  pixel.byte_order = MSBFirst;
  AdoptProbedPixel(pixel);
  EXPECT_EQ(Logged(),
            "WARNING img->format: 1\n"
            "WARNING img->xoffset: 3\n"
            "WARNING img->bitmap_pad: 8\n"
            "WARNING img->bitmap_unit: 16\n"
            "WARNING img->depth: 30\n"
            "WARNING img->bitmap_bit_order: 1\n"
            "WARNING img->byte_order: 1\n");
  // Used as found all the same.
  EXPECT_EQ(CurrentPixelLayout().format, XYPixmap);
  EXPECT_EQ(CurrentPixelLayout().xoffset, 3);
  EXPECT_EQ(CurrentPixelLayout().bitmapPad, 8);
  EXPECT_EQ(CurrentPixelLayout().depth, 30);
  EXPECT_EQ(CurrentPixelLayout().bitOrder, MSBFirst);
}

}  // namespace
