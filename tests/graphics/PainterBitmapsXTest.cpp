// BMP files drawn by the Painter: every depth shows the file's own pixels, the transparent
// draw lets the window show through black, and a box larger than the file or a file that is
// missing draws nothing beyond what the file holds.
#include "graphics/GraphicsTestSupport.h"

#include <algorithm>

#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/graphics/Painter.h"

using namespace tessarin;

namespace {

constexpr Color kBack = 0x202020;

std::string SampleName(int depth) {
  return "gallery-" + std::to_string(depth) + "bit.bmp";
}

Color TripleAt(const RgbPicture& picture, int x, int y) {
  const unsigned char* rgb = picture.pixels.get() + (y * picture.width + x) * 3;
  return (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
}

class PainterBitmapsTest : public CanvasFixture {
 protected:
  PainterBitmapsTest() : CanvasFixture({20, 20}) {}
  // The samples are copied into a scratch folder: reading a 4-bit file writes its C export
  // beside it.
  void SetUp() override {
    CanvasFixture::SetUp();
    for (int depth : {24, 8, 4}) {
      WriteFileText(Sample(depth),
                    FileText(std::string(TESSARIN_SOURCE_DIR) + "/Data/" + SampleName(depth)));
    }
  }
  std::string Sample(int depth) const { return log.File(SampleName(depth)); }
  // Draws the sample at (2, 3) in a box 10 pixels larger than the file each way.
  RgbPicture Draw(int depth, bool transparent) {
    RgbPicture picture = ReadBitmap(Sample(depth), depth);
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(0, 0, 161, 101, 0, 0, kBack);
    if (transparent) {
      painter.DrawBitmapFileTransparent(2, 3, picture.width + 10, picture.height + 10, depth,
                                        Sample(depth));
    } else {
      painter.DrawBitmapFile(2, 3, picture.width + 10, picture.height + 10, depth, Sample(depth));
    }
    return picture;
  }

  LogCapture log;
};

TEST_F(PainterBitmapsTest, EveryDepthShowsTheFilesPixelsAndNothingBeyondThem) {
  for (bool transparent : {false, true}) {
    for (int depth : {24, 8, 4}) {
      RgbPicture picture = Draw(depth, transparent);
      ASSERT_TRUE(picture) << depth;
      ScreenArea area = Area(0, 0, 160, 100);
      int mismatches = 0;
      for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
          Color file = TripleAt(picture, x, y);
          Color expected = transparent && file == kBlack ? kBack : file;
          mismatches += area.At(2 + x, 3 + y) == expected ? 0 : 1;
        }
      }
      EXPECT_EQ(mismatches, 0) << depth << (transparent ? " transparent" : "");
      EXPECT_EQ(area.At(2 + picture.width, 3), kBack) << depth;
      EXPECT_EQ(area.At(2, 3 + picture.height), kBack) << depth;
    }
  }
}

TEST_F(PainterBitmapsTest, MissingFilesWrongDepthsAndEmptyBoxesDrawNothing) {
  Painter painter(PaintTargetOf(form.get()));
  painter.FillRect(0, 0, 161, 101, 0, 0, kBack);
  painter.DrawBitmapFile(0, 0, 40, 40, 24, Sample(24) + ".missing");
  painter.DrawBitmapFile(0, 0, 40, 40, 16, Sample(24));
  painter.DrawBitmapFile(0, 0, 40, 40, 8, Sample(24));  // logged: not an 8-bit file
  painter.DrawBitmapFile(0, 0, 0, 0, 24, Sample(24));
  EXPECT_EQ(Area(0, 0, 60, 50).CountOf(kBack), 60 * 50);
  const std::string logged = log.Text();
  EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 2) << logged;  // the two depths
}

}  // namespace
