// The image frame on a real window: sheet cut-outs and list entries chosen by the frame
// coordinates, coordinates that lead outside the source, frames built from palette pictures
// and from RGB data, the transparent mode over a panel's background (and an opaque paint after
// it), a frame with nothing to show, and an animation driven by a Timer in the event loop.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/EventLoop.h"
#include "framework/Timer.h"
#include "graphics/Painter.h"
#include "graphics/PaletteImage.h"
#include "graphics/XImageFactory.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "widgets/ImageFrame.h"
#include "widgets/PanelChildren.h"

namespace {

constexpr Color kFormColor = 0x336699;
constexpr Color kPanelColor = 0xE0E0E0;
constexpr int kSide = 10;
// A sheet of 3 x 2 cells of 10 x 10, each of its own colour with a black block in its top-left
// corner (columns 0..4 of rows 0..2).
constexpr int kColumns = 3, kRows = 2;
constexpr Color kCellColors[kRows][kColumns] = {{0xC00000, 0x00C000, 0x0000C0},
                                                {0xC0C000, 0x00C0C0, 0xC000C0}};

bool InBlackBlock(int x, int y) {
  return x % kSide < 5 && y % kSide < 3;
}

std::vector<unsigned char> Triples(int w, int h, const std::function<Color(int, int)>& colorAt) {
  std::vector<unsigned char> rgb;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Color color = InBlackBlock(x, y) ? kBlack : colorAt(x, y);
      rgb.push_back(static_cast<unsigned char>(color >> 16));
      rgb.push_back(static_cast<unsigned char>(color >> 8));
      rgb.push_back(static_cast<unsigned char>(color));
    }
  }
  return rgb;
}

std::vector<unsigned char> SheetTriples() {
  return Triples(kColumns * kSide, kRows * kSide,
                 [](int x, int y) { return kCellColors[y / kSide][x / kSide]; });
}

class ImageFrameTest : public XServerFixture {
 public:
  Color At(int x, int y) { return PixelAt(form.get(), x, y); }

 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    form = std::make_unique<RecordingForm>(app.get(), nullptr, 360, 20, 300, 200);
    form->SetBackColor(kFormColor);
    form->Create();
    WaitUntilMapped(form.get());
  }
  void TearDown() override {
    frame.reset();
    panel.reset();
    form.reset();
    XServerFixture::TearDown();
  }

  // The frame at (20, 20) of the form, 10 x 10.
  void Show(std::unique_ptr<ImageFrame> made) {
    frame = std::move(made);
    frame->MoveTo(20, 20);
    frame->SetSize(kSide, kSide);
    frame->Create();
    frame->Paint();
  }
  OwnedXImage SolidPicture(Color color) {
    auto rgb = Triples(kSide, kSide, [color](int, int) { return color; });
    return OwnedXImage(MakeXImage(display(), rgb.data(), kSide, kSide));
  }
  // A pixel that the black block does not cover, and one it does.
  Color Shown() { return At(27, 27); }
  Color ShownInBlock() { return At(21, 21); }

  std::unique_ptr<RecordingForm> form;
  std::unique_ptr<PanelChildren> panel;
  std::unique_ptr<ImageFrame> frame;
};

TEST_F(ImageFrameTest, ASheetShowsTheCellAtTheFrameCoordinatesTimesTheFrameSize) {
  const std::vector<unsigned char> rgb = SheetTriples();
  Show(std::make_unique<ImageFrame>(form.get(), rgb.data(), true, kColumns * kSide, kRows * kSide,
                                    0u, 0u));
  EXPECT_TRUE(frame->GetRgbFlag());
  EXPECT_EQ(Shown(), kCellColors[0][0]);
  const FrameCoordinates steps[] = {{2, 1}, {1, 0}, {0, 1}, {2, 0}, {1, 1}};
  for (FrameCoordinates step : steps) {
    frame->SetFrame(step.x, step.y);
    EXPECT_EQ(frame->GetFrame(), step);
    EXPECT_EQ(Shown(), kCellColors[step.y][step.x]) << step.x << ", " << step.y;
    EXPECT_EQ(ShownInBlock(), kBlack);
  }
}

TEST_F(ImageFrameTest, CoordinatesOutsideTheSourceDrawNothingAndReadNothingBeyondIt) {
  const std::vector<unsigned char> rgb = SheetTriples();
  OwnedXImage sheet(MakeXImage(display(), rgb.data(), kColumns * kSide, kRows * kSide));
  Show(std::make_unique<ImageFrame>(form.get(), sheet.get(), 1u, 0u));
  const FrameCoordinates outside[] = {{3, 0}, {0, 2}, {0xFFFFFFFFu, 0}, {0xFFFFFFFFu, 0xFFFFFFFFu}};
  for (FrameCoordinates step : outside) {
    frame->SetFrame(step.x, step.y);
    EXPECT_EQ(Shown(), kCellColors[0][1]) << step.x << ", " << step.y;
  }

  OwnedXImage first = SolidPicture(0x101080), second = SolidPicture(0x801010);
  XImage* list[] = {first.get(), second.get()};
  Show(std::make_unique<ImageFrame>(form.get(), list, 2, 1u, 0u));
  for (FrameCoordinates step : {FrameCoordinates{2, 0}, FrameCoordinates{1, 1}}) {
    frame->SetFrame(step.x, step.y);
    EXPECT_EQ(Shown(), 0x801010);
  }
}

TEST_F(ImageFrameTest, AListIsAddressedByTheSumOfTheCoordinates) {
  OwnedXImage pictures[] = {SolidPicture(0xA00000), SolidPicture(0x00A000), SolidPicture(0x0000A0)};
  XImage* list[] = {pictures[0].get(), pictures[1].get(), pictures[2].get()};
  Show(std::make_unique<ImageFrame>(form.get(), list, 3, 0u, 0u));
  EXPECT_EQ(Shown(), 0xA00000);
  frame->SetFrame(1, 1);
  EXPECT_EQ(Shown(), 0x0000A0);
  frame->SetFrame(0, 1, true);
  EXPECT_EQ(Shown(), 0x00A000);
  EXPECT_TRUE(frame->IsCreated());
}

TEST_F(ImageFrameTest, PalettePicturesAreBuiltIntoAListAtTheFrameSize) {
  auto palettePicture = [](unsigned char entryPair) {
    std::vector<unsigned char> data(PaletteImageSize(kSide, kSide), entryPair);
    const unsigned char palette[] = {0, 0, 0, 0xE0, 0, 0, 0, 0, 0xE0};
    std::copy(std::begin(palette), std::end(palette), data.begin());
    return data;
  };
  const std::vector<unsigned char> red = palettePicture(0x11), blue = palettePicture(0x22);
  const unsigned char* palettes[] = {red.data(), blue.data()};
  Show(std::make_unique<ImageFrame>(form.get(), palettes, 2, 0u, 0u));
  EXPECT_EQ(Shown(), 0xE00000);
  EXPECT_EQ(At(29, 29), 0xE00000);
  frame->SetFrame(1, 0);
  EXPECT_EQ(Shown(), 0x0000E0);
  frame->SetFrame(2, 0);
  EXPECT_EQ(Shown(), 0x0000E0);
}

TEST_F(ImageFrameTest, TransparentBlackShowsTheParentsBackgroundAndLeavesThePictureBlack) {
  panel = std::make_unique<PanelChildren>(form.get());
  panel->MoveTo(100, 10);
  panel->SetSize(60, 60);
  panel->SetBackColor(kPanelColor);
  OwnedXImage picture = SolidPicture(0x00A000);
  XImage* list[] = {picture.get()};
  frame = std::make_unique<ImageFrame>(panel.get(), list, 1, 0u, 0u);
  frame->MoveTo(10, 10);
  frame->SetSize(kSide, kSide);
  frame->Create();
  panel->Show();
  EXPECT_EQ(At(110, 20), kBlack);

  frame->SetTransparent(true);
  EXPECT_EQ(At(110, 20), kPanelColor);
  EXPECT_EQ(At(114, 22), kPanelColor);
  EXPECT_EQ(At(117, 27), 0x00A000);
  EXPECT_EQ(XGetPixel(picture.get(), 0, 0) & 0xFFFFFF, 0u);

  frame->SetTransparent(false);
  EXPECT_EQ(At(110, 20), kBlack);
}

TEST_F(ImageFrameTest, AFrameWithNothingToShowPaintsNothing) {
  {
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(20, 20, 11, 11, 0, 0, 0xFF0000);
  }
  Show(std::make_unique<ImageFrame>(form.get(), static_cast<XImage*>(nullptr), 0u, 0u));
  EXPECT_EQ(Shown(), 0xFF0000);
  Show(std::make_unique<ImageFrame>(form.get(), static_cast<XImage* const*>(nullptr), 4, 1u, 0u));
  EXPECT_EQ(Shown(), 0xFF0000);
}

// The animation: every tick notes what the frame shows, in a black pixel and in a coloured
// one, then moves on to the next cell of the first row.
ImageFrameTest* animated = nullptr;
ImageFrame* animatedFrame = nullptr;
std::vector<Color> seenColors, seenInBlock;

void NextCell(Timer*) {
  seenColors.push_back(animated->At(27, 27));
  seenInBlock.push_back(animated->At(21, 21));
  FrameCoordinates now = animatedFrame->GetFrame();
  animatedFrame->SetFrame((now.x + 1) % kColumns, 0);
  if (seenColors.size() == 6) Application::RequestQuit();
}

TEST_F(ImageFrameTest, ATimerAnimatesATransparentStripThroughTheEventLoop) {
  const std::vector<unsigned char> rgb = SheetTriples();
  Show(std::make_unique<ImageFrame>(form.get(), rgb.data(), false, kColumns * kSide, kRows * kSide,
                                    0u, 0u));
  frame->SetTransparent(true);
  animated = this;
  animatedFrame = frame.get();
  seenColors.clear();
  seenInBlock.clear();
  Timer timer(form.get(), 20);
  timer.SetOnTick(NextCell);
  timer.Start();
  RunEventLoop(form.get());
  const std::vector<Color> expected{kCellColors[0][0], kCellColors[0][1], kCellColors[0][2],
                                    kCellColors[0][0], kCellColors[0][1], kCellColors[0][2]};
  EXPECT_EQ(seenColors, expected);
  EXPECT_EQ(seenInBlock, std::vector<Color>(6, kFormColor));
}

}  // namespace
