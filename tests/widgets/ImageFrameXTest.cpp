// The image frame on a real window: sheet cut-outs and list entries chosen by the frame
// coordinates and coordinates that lead outside them, frames built from palette pictures and
// from RGB data, the transparent mode over a panel (and an opaque paint after it), a frame
// with nothing to show, and an animation driven by a Timer in the event loop.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "graphics/GraphicsTestSupport.h"
#include "tessarin/app/EventLoop.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/graphics/XImageFactory.h"
#include "tessarin/widgets/ImageFrame.h"
#include "tessarin/widgets/PanelChildren.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x202020;  // the canvas's
constexpr int kSide = 10;
// A sheet of 3 x 2 cells of 10 x 10, each of its own colour with a black block in its top-left
// corner: columns 0..4 of rows 0..2.
constexpr Color kCells[2][3] = {{0xC00000, 0x00C000, 0x0000C0}, {0xC0C000, 0x00C0C0, 0xC000C0}};

std::vector<unsigned char> Triples(int w, int h, const std::function<Color(int, int)>& colorAt) {
  std::vector<unsigned char> rgb;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Color color = x % kSide < 5 && y % kSide < 3 ? kBlack : colorAt(x, y);
      for (int shift : {16, 8, 0}) rgb.push_back(static_cast<unsigned char>(color >> shift));
    }
  }
  return rgb;
}

const std::vector<unsigned char> kSheet =
    Triples(3 * kSide, 2 * kSide, [](int x, int y) { return kCells[y / kSide][x / kSide]; });

class ImageFrameTest : public CanvasFixture {
 public:
  // A pixel of the frame at (20, 20) that the black block does not cover, and one it does.
  Color Shown() { return PixelAt(form.get(), 27, 27); }
  Color ShownInBlock() { return PixelAt(form.get(), 21, 21); }

 protected:
  ImageFrameTest() : CanvasFixture({360, 20, 200, 100}) {}
  void TearDown() override {
    frame.reset();
    panel.reset();
    CanvasFixture::TearDown();
  }
  void Show(std::unique_ptr<ImageFrame> made, int x = 20, int y = 20) {
    frame = std::move(made);
    frame->MoveTo(x, y);
    frame->SetSize(kSide, kSide);
    frame->Show();
  }
  OwnedXImage SolidPicture(Color color) {
    auto rgb = Triples(kSide, kSide, [color](int, int) { return color; });
    return OwnedXImage(MakeXImage(display(), rgb.data(), kSide, kSide));
  }

  std::unique_ptr<PanelChildren> panel;
  std::unique_ptr<ImageFrame> frame;
};

TEST_F(ImageFrameTest, ASheetShowsTheCellAtTheCoordinatesAndNothingForCellsOutsideIt) {
  Show(std::make_unique<ImageFrame>(form.get(), kSheet.data(), true, 30, 20, 0u, 0u));
  EXPECT_EQ(Shown(), kCells[0][0]);
  for (FrameCoordinates step : {FrameCoordinates{2, 1}, FrameCoordinates{1, 0}}) {
    frame->SetFrame(step.x, step.y);
    EXPECT_EQ(Shown(), kCells[step.y][step.x]);
    EXPECT_EQ(ShownInBlock(), kBlack);
  }
  for (FrameCoordinates step : {FrameCoordinates{3, 0}, FrameCoordinates{0xFFFFFFFFu, 2}}) {
    frame->SetFrame(step.x, step.y);
    EXPECT_EQ(Shown(), kCells[0][1]);  // still the last cell shown
  }
}

TEST_F(ImageFrameTest, AListIsAddressedByTheSumOfTheCoordinatesUpToItsEnd) {
  OwnedXImage pictures[] = {SolidPicture(0xA00000), SolidPicture(0x00A000), SolidPicture(0x0000A0)};
  XImage* list[] = {pictures[0].get(), pictures[1].get(), pictures[2].get()};
  Show(std::make_unique<ImageFrame>(form.get(), list, 3, 0u, 0u));
  frame->SetFrame(1, 1);
  EXPECT_EQ(Shown(), 0x0000A0);
  frame->SetFrame(0, 1, true);
  EXPECT_EQ(Shown(), 0x00A000);
  frame->SetFrame(2, 1);
  EXPECT_EQ(Shown(), 0x00A000);

  // Palette pictures are built into a list at the frame's size: entry 1 red, entry 2 blue.
  std::vector<unsigned char> red(PaletteImageSize(kSide, kSide), 0x11), blue = red;
  std::fill(blue.begin() + kPaletteBytes, blue.end(), 0x22);
  for (auto* data : {&red, &blue}) {
    std::fill(data->begin(), data->begin() + kPaletteBytes, 0);
    (*data)[3] = (*data)[8] = 0xE0;
  }
  const unsigned char* palettes[] = {red.data(), blue.data()};
  Show(std::make_unique<ImageFrame>(form.get(), palettes, 2, 0u, 1u));
  EXPECT_EQ(Shown(), 0x0000E0);
  EXPECT_EQ(PixelAt(form.get(), 29, 29), 0x0000E0);
  frame->SetFrame(0, 0);  // an entry first shown now is converted now
  EXPECT_EQ(Shown(), 0xE00000);
}

TEST_F(ImageFrameTest, TransparentBlackShowsTheParentsBackgroundAndStaysBlackInThePicture) {
  constexpr Color kPanelColor = 0xE0E0E0;
  panel = std::make_unique<PanelChildren>(form.get());
  panel->MoveTo(100, 10);
  panel->SetSize(60, 60);
  panel->SetBackColor(kPanelColor);
  OwnedXImage picture = SolidPicture(0x00A000);
  XImage* list[] = {picture.get()};
  Show(std::make_unique<ImageFrame>(panel.get(), list, 1, 0u, 0u), 10, 10);
  panel->Show();
  EXPECT_EQ(PixelAt(form.get(), 110, 20), kBlack);

  frame->SetTransparent(true);
  EXPECT_EQ(Area(110, 20, 5, 3).CountOf(kPanelColor), 15);
  EXPECT_EQ(PixelAt(form.get(), 117, 27), 0x00A000);
  EXPECT_EQ(XGetPixel(picture.get(), 0, 0) & 0xFFFFFF, 0u);
  frame->SetTransparent(false);
  EXPECT_EQ(PixelAt(form.get(), 110, 20), kBlack);
}

TEST_F(ImageFrameTest, AFrameWithNothingToShowPaintsNothing) {
  {
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(20, 20, 11, 11, 0, 0, 0xFF0000);
  }
  Show(std::make_unique<ImageFrame>(form.get(), static_cast<XImage*>(nullptr), 0u, 0u));
  Show(std::make_unique<ImageFrame>(form.get(), static_cast<XImage* const*>(nullptr), 4, 1u, 0u));
  EXPECT_EQ(Shown(), 0xFF0000);
}

// Every tick notes what the frame shows, in a black pixel and in a coloured one, then moves
// on to the next cell of the first row.
ImageFrameTest* animated = nullptr;
ImageFrame* animatedFrame = nullptr;
std::vector<Color> seen, seenInBlock;

TEST_F(ImageFrameTest, ATimerAnimatesATransparentStripThroughTheEventLoop) {
  Show(std::make_unique<ImageFrame>(form.get(), kSheet.data(), false, 30, 20, 0u, 0u));
  frame->SetTransparent(true);
  animated = this;
  animatedFrame = frame.get();
  seen.clear();
  seenInBlock.clear();
  Timer timer(form.get(), 20);
  timer.SetOnTick([](Timer*) {
    seen.push_back(animated->Shown());
    seenInBlock.push_back(animated->ShownInBlock());
    animatedFrame->SetFrame((animatedFrame->GetFrame().x + 1) % 3, 0);
    if (seen.size() == 6) Application::RequestQuit();
  });
  timer.Start();
  RunEventLoop(form.get());
  const std::vector<Color> cycle{kCells[0][0], kCells[0][1], kCells[0][2]};
  std::vector<Color> expected = cycle;
  expected.insert(expected.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(seenInBlock, std::vector<Color>(6, kFormColor));
}

}  // namespace
