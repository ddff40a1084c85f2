// Pictures on the private server: blits, transparent blits, copies, the pixel-layout probe
// and the images built for it, and the reads that the server refuses.
#include "graphics/GraphicsTestSupport.h"

#include <cstring>

#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/PixelFormatProbe.h"
#include "tessarin/graphics/PixelLayout.h"
#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

namespace {

constexpr Color kBack = 0x202020;
constexpr Color kBlue = 0x0000FF;
constexpr Color kRed = 0xFF0000;

// RGB triples of a w x h picture whose pixel (x, y) is 0x10 * (x + 1), 0x10 * (y + 1), 0x80.
std::vector<unsigned char> Gradient(int w, int h) {
  std::vector<unsigned char> rgb;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      rgb.push_back(static_cast<unsigned char>(0x10 * (x + 1)));
      rgb.push_back(static_cast<unsigned char>(0x10 * (y + 1)));
      rgb.push_back(0x80);
    }
  }
  return rgb;
}

Color GradientAt(int x, int y) {
  return (0x10 * (x + 1)) << 16 | (0x10 * (y + 1)) << 8 | 0x80;
}

class PainterImagesTest : public CanvasFixture {
 protected:
  PainterImagesTest() : CanvasFixture({220, 20}) {}
  OwnedXImage MakeGradient(int w, int h) {
    std::vector<unsigned char> rgb = Gradient(w, h);
    return OwnedXImage(MakeXImage(display(), rgb.data(), w, h));
  }
  // A picture of one colour with black (the usual key) at the given pixel.
  OwnedXImage MakeWithBlackAt(int w, int h, Color color, int blackX, int blackY) {
    std::vector<unsigned char> rgb;
    for (int i = 0; i < w * h; ++i) {
      bool black = i == blackY * w + blackX;
      rgb.push_back(black ? 0 : static_cast<unsigned char>(color >> 16));
      rgb.push_back(black ? 0 : static_cast<unsigned char>(color >> 8));
      rgb.push_back(black ? 0 : static_cast<unsigned char>(color));
    }
    return OwnedXImage(MakeXImage(display(), rgb.data(), w, h));
  }
};

TEST_F(PainterImagesTest, TheProbeFindsTheExpectedLayoutAndLogsNothing) {
  ResetPixelLayout();
  LogCapture log;
  ProbePixelFormat(display());
  EXPECT_EQ(log.Text(), "");
  EXPECT_EQ(CurrentPixelLayout().depth, 24);
  EXPECT_EQ(CurrentPixelLayout().bitsPerPixel, 32);
  EXPECT_EQ(CurrentPixelLayout().bitmapPad, 32);
  EXPECT_EQ(CurrentPixelLayout().format, ZPixmap);
  EXPECT_EQ(CurrentPixelLayout().xoffset, 0);
  EXPECT_EQ(CurrentPixelLayout().red, 2);
  EXPECT_EQ(CurrentPixelLayout().green, 1);
  EXPECT_EQ(CurrentPixelLayout().blue, 0);
  EXPECT_EQ(CurrentPixelLayout().sample[0], 0x76);
  EXPECT_EQ(CurrentPixelLayout().sample[1], 0x3B);
  EXPECT_EQ(CurrentPixelLayout().sample[2], 0xCF);
  for (int i = 4; i < 8; ++i) EXPECT_EQ(CurrentPixelLayout().sample[i], 0) << i;
  // Probed offscreen: the window keeps its own pixel where the probe colour used to stay.
  EXPECT_EQ(PixelAt(form.get(), 0, 0), kBack);
}

TEST_F(PainterImagesTest, ImagesAreBlueGreenRedThenZeroPerPixel) {
  const unsigned char rgb[] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66};
  OwnedXImage image(MakeXImage(display(), rgb, 2, 1));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(image->depth, 24);
  EXPECT_EQ(image->bytes_per_line, 8);
  const unsigned char expected[] = {0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0};
  EXPECT_EQ(std::memcmp(image->data, expected, sizeof expected), 0);
  EXPECT_EQ(MakeXImage(display(), nullptr, 2, 1), nullptr);
  EXPECT_EQ(MakeXImage(nullptr, rgb, 2, 1), nullptr);
}

TEST_F(PainterImagesTest, RowsThatDoNotMeetThePadAreWidenedAndLogged) {
  ProbePixelFormat(display());
  PixelLayout packed = CurrentPixelLayout();
  packed.bitsPerPixel = 24;  // as a server with packed pixels would report
  SetPixelLayout(packed);
  LogCapture log;
  const unsigned char rgb[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  OwnedXImage image(MakeXImage(display(), rgb, 3, 1));
  ResetPixelLayout();
  EXPECT_EQ(log.Text(), "WARNING img width: 3 - bytes_per_line_Pad != bytes_per_line: 12 9\n");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->bytes_per_line, 12);
  const unsigned char expected[] = {3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0};
  EXPECT_EQ(std::memcmp(image->data, expected, sizeof expected), 0);
}

TEST_F(PainterImagesTest, PutImageBlitsTheWholeImageOrItsTopLeft) {
  OwnedXImage image = MakeGradient(4, 3);
  ASSERT_NE(image, nullptr);
  Painter painter(PaintTargetOf(form.get()));
  painter.PutImage(10, 10, 0, 0, image.get());
  painter.PutImage(30, 10, 2, 2, image.get());
  painter.PutImage(50, 10, image.get());
  ScreenArea area = Area(10, 10, 50, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      bool inImage = x < 4 && y < 3;
      EXPECT_EQ(area.At(10 + x, 10 + y), inImage ? GradientAt(x, y) : kBack);
      EXPECT_EQ(area.At(50 + x, 10 + y), inImage ? GradientAt(x, y) : kBack);
      bool inPart = x < 2 && y < 2;
      EXPECT_EQ(area.At(30 + x, 10 + y), inPart ? GradientAt(x, y) : kBack);
    }
  }
}

TEST_F(PainterImagesTest, PutImagePartStartsAtTheSourcePointAndStaysInTheImage) {
  OwnedXImage image = MakeGradient(4, 3);
  Painter painter(PaintTargetOf(form.get()));
  painter.PutImagePart(10, 10, 2, 2, image.get(), 1, 1);
  painter.PutImagePart(30, 10, 50, 50, image.get(), 2, 1);  // clamped to what is left
  ScreenArea area = Area(10, 10, 30, 4);
  EXPECT_EQ(area.At(10, 10), GradientAt(1, 1));
  EXPECT_EQ(area.At(11, 11), GradientAt(2, 2));
  EXPECT_EQ(area.At(12, 10), kBack);
  EXPECT_EQ(area.At(30, 10), GradientAt(2, 1));
  EXPECT_EQ(area.At(31, 11), GradientAt(3, 2));
  EXPECT_EQ(area.At(32, 10), kBack);
  EXPECT_EQ(area.At(30, 12), kBack);
}

TEST_F(PainterImagesTest, TransparentBlitsShowWhatWasThereAndKeepItInTheImage) {
  OwnedXImage image = MakeWithBlackAt(3, 2, kRed, 1, 0);
  Painter painter(PaintTargetOf(form.get()));
  painter.FillRect(10, 10, 11, 11, 0, 0, kBlue);
  painter.PutImageTransparent(10, 10, 3, 2, image.get());
  EXPECT_EQ(PixelAt(form.get(), 10, 10), kRed);
  EXPECT_EQ(PixelAt(form.get(), 11, 10), kBlue);

  // The picture now carries the first background where it was black.
  painter.FillRect(10, 10, 11, 11, 0, 0, 0x00FF00);
  painter.PutImageTransparent(10, 10, 3, 2, image.get());
  EXPECT_EQ(PixelAt(form.get(), 11, 10), kBlue);
  EXPECT_EQ(PixelAt(form.get(), 12, 11), kRed);
}

TEST_F(PainterImagesTest, OversizedTransparentBlitsStayInsideTheImage) {
  OwnedXImage image = MakeWithBlackAt(2, 2, kRed, 0, 0);
  Painter painter(PaintTargetOf(form.get()));
  painter.PutImageTransparent(10, 10, 500, 400, image.get());
  ScreenArea area = Area(10, 10, 3, 3);
  EXPECT_EQ(area.At(10, 10), kBack);
  EXPECT_EQ(area.At(11, 11), kRed);
  EXPECT_EQ(area.At(12, 10), kBack);
  EXPECT_EQ(area.At(10, 12), kBack);
}

TEST_F(PainterImagesTest, PartialTransparentBlitsLeaveThePictureAlone) {
  OwnedXImage image = MakeWithBlackAt(3, 3, kRed, 2, 2);
  Painter painter(PaintTargetOf(form.get()));
  painter.FillRect(10, 10, 11, 11, 0, 0, kBlue);
  painter.PutImagePartTransparent(10, 10, 2, 2, image.get(), 1, 1);
  ScreenArea area = Area(10, 10, 3, 3);
  EXPECT_EQ(area.At(10, 10), kRed);
  EXPECT_EQ(area.At(11, 11), kBlue);
  EXPECT_EQ(area.At(12, 12), kBlue);  // outside the part: untouched
  EXPECT_EQ(XGetPixel(image.get(), 2, 2), 0u);
  // Clamped to the one black pixel left at (2, 2).
  painter.PutImagePartTransparent(30, 10, 100, 100, image.get(), 2, 2);
  EXPECT_EQ(PixelAt(form.get(), 30, 10), kBack);
}

TEST_F(PainterImagesTest, CopyAreaTakesPixelsFromAnotherDrawable) {
  OwnedXImage image = MakeGradient(4, 3);
  Pixmap pixmap = MakePixmap(display(), form->GetWindow(), image.get());
  ASSERT_NE(pixmap, 0u);
  Painter painter(PaintTargetOf(form.get()));
  painter.CopyArea(10, 10, 2, 2, pixmap, 2, 1);
  XFreePixmap(display(), pixmap);
  ScreenArea area = Area(10, 10, 3, 3);
  EXPECT_EQ(area.At(10, 10), GradientAt(2, 1));
  EXPECT_EQ(area.At(11, 11), GradientAt(3, 2));
  EXPECT_EQ(area.At(12, 12), kBack);
}

TEST_F(PainterImagesTest, AreasTheServerCannotReadChangeNothing) {
  OwnedXImage image = MakeWithBlackAt(2, 2, kRed, 0, 0);
  Pixmap pixmap = MakePixmap(display(), form->GetWindow(), image.get());
  Painter painter(PaintTargetOf(form.get()));
  // Past the window's border and off the pixmap: the server answers BadMatch.
  OwnedXImage wide = MakeWithBlackAt(4, 4, kRed, 0, 0);
  painter.PutImageTransparent(158, 98, 4, 4, wide.get());
  painter.CopyArea(10, 10, 8, 8, pixmap, 1, 1);
  XFreePixmap(display(), pixmap);
  EXPECT_EQ(XGetPixel(wide.get(), 0, 0), 0u);
  EXPECT_EQ(Area(10, 10, 8, 8).CountOf(kBack), 64);
  EXPECT_EQ(PixelAt(form.get(), 159, 99), kBack);
}

TEST_F(PainterImagesTest, AnUnmappedWindowCannotBeReadAndNothingBreaks) {
  CanvasForm hidden(app.get(), 420, 20);
  hidden.Create();
  WaitUntilMapped(&hidden);
  hidden.Hide();
  XSync(display(), False);

  OwnedXImage image = MakeWithBlackAt(2, 2, kRed, 0, 0);
  ResetPixelLayout();
  Painter painter(PaintTargetOf(&hidden));
  EXPECT_EQ(painter.GetPixel(1, 1), kNoColor);
  painter.PutImageTransparent(1, 1, 2, 2, image.get());
  painter.PutImagePartTransparent(1, 1, 1, 1, image.get(), 1, 1);
  painter.CopyArea(1, 1, 4, 4, hidden.GetWindow(), 0, 0);
  EXPECT_EQ(XGetPixel(image.get(), 0, 0), 0u);
  // The probe reads a pixmap of its own, so no window has to be readable for it.
  EXPECT_EQ(CurrentPixelLayout().depth, 24);
}

}  // namespace
