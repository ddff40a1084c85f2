// The progress bar on a real window: the blue columns at a few values of ranges that start at
// 0 and elsewhere and of an empty range, nothing blue outside the frame, the sunken frame and
// the bar without it, and that a value already held does not repaint.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/GraphicsTestSupport.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/widgets/ProgressBar.h"

using namespace tessarin;

namespace {

constexpr Color kBarColor = 0xEEEEEE;
constexpr Color kBlue = 0x0000FF;

class ProgressBarTest : public CanvasFixture {
 protected:
  ProgressBarTest() : CanvasFixture({360, 20, 150, 60}) {}
  void TearDown() override {
    bar.reset();
    CanvasFixture::TearDown();
  }
  // At (20, 20), 102 x 20: the inner box is x 21..120, y 21..38.
  void ShowBar(int minimum, int maximum, int value) {
    bar = std::make_unique<ProgressBar>(form.get(), minimum, maximum);
    bar->MoveTo(20, 20);
    bar->SetSize(102, 20);
    bar->SetBackColor(kBarColor);
    bar->Show();
    bar->SetValue(value);
  }
  void PaintRed() {
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(20, 20, 103, 21, 0, 0, 0xFF0000);
  }

  std::unique_ptr<ProgressBar> bar;
};

TEST_F(ProgressBarTest, TheBlueColumnsAreTheShareOfTheRangeReachedAndStayInsideTheFrame) {
  struct Case {
    int minimum, maximum, value, held, columns;
  } cases[] = {{0, 100, 40, 40, 40},
               {0, 100, 150, 100, 100},
               {0, 100, -5, 0, 0},
               {50, 150, 125, 125, 75},
               {10, 10, 99, 10, 0}};
  for (const Case& c : cases) {
    ShowBar(c.minimum, c.maximum, c.value);
    EXPECT_EQ(bar->GetCurrentValue(), c.held);
    ScreenArea around = Area(10, 10, 130, 40);
    EXPECT_EQ(around.CountOf(kBlue), c.columns * 18) << c.value << " in " << c.minimum << "..";
    if (c.columns > 0) {
      EXPECT_EQ(around.At(20 + c.columns, 38), kBlue);  // the last blue column, to the bottom
    }
  }
  EXPECT_EQ(Area(20, 20, 1, 19).CountOf(kBlack), 19);   // the frame's left edge
  EXPECT_EQ(Area(121, 20, 1, 20).CountOf(kWhite), 20);  // its right edge
}

TEST_F(ProgressBarTest, WithoutTheFrameOnlyTheBackgroundAndTheBlueAreDrawn) {
  ShowBar(0, 100, 40);
  bar->SetBordered(false);
  ScreenArea whole = Area(20, 20, 102, 20);
  EXPECT_EQ(whole.CountOf(kBlue), 40 * 18);
  // The frame drawn before is gone, last column and row included.
  EXPECT_EQ(whole.CountOf(kBarColor), 102 * 20 - 40 * 18);
}

TEST_F(ProgressBarTest, AValueAlreadyHeldDoesNotRepaint) {
  ShowBar(0, 100, 0);
  PaintRed();
  bar->SetValue(0);
  bar->SetValue(-7);  // held as 0 too
  EXPECT_EQ(PixelAt(form.get(), 30, 30), 0xFF0000);
  bar->SetValue(1);
  EXPECT_EQ(PixelAt(form.get(), 30, 30), kBarColor);
}

}  // namespace
