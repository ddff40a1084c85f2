// The progress bar on a real window: the blue columns for values across ranges that start at
// 0 and elsewhere, clamping, an empty range, the sunken frame and the bar without it, and that
// a value already held does not repaint.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/Painter.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "widgets/ProgressBar.h"

namespace {

constexpr Color kFormColor = 0x336699;
constexpr Color kBarColor = 0xEEEEEE;
constexpr Color kBlue = 0x0000FF;

class ProgressBarTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    form = std::make_unique<RecordingForm>(app.get(), nullptr, 360, 20, 300, 200);
    form->SetBackColor(kFormColor);
    form->Create();
    WaitUntilMapped(form.get());
  }
  void TearDown() override {
    bar.reset();
    form.reset();
    XServerFixture::TearDown();
  }

  // At (20, 20), 102 x 20: the inner box is x 21..120, y 21..38.
  void MakeBar(int minimum, int maximum) {
    bar = std::make_unique<ProgressBar>(form.get(), minimum, maximum);
    bar->MoveTo(20, 20);
    bar->SetSize(102, 20);
    bar->SetBackColor(kBarColor);
    bar->Create();
    bar->Paint();
  }
  Color At(int x, int y) { return PixelAt(form.get(), x, y); }
  int BlueColumns() {
    return PixelRegion(display(), form->GetWindow(), 10, 30, 130, 1).Count(kBlue);
  }
  // Everywhere around and in the bar, so nothing blue can hide outside it.
  int BluePixels() {
    return PixelRegion(display(), form->GetWindow(), 10, 10, 130, 40).Count(kBlue);
  }

  std::unique_ptr<RecordingForm> form;
  std::unique_ptr<ProgressBar> bar;
};

TEST_F(ProgressBarTest, FillsTheShareOfTheRangeReachedAndNothingOutsideTheFrame) {
  struct Case {
    int minimum, maximum, request;
    int held, columns;
  } cases[] = {
      {0, 100, 50, 50, 50},    {0, 100, 150, 100, 100}, {0, 100, -5, 0, 0},
      {50, 150, 100, 100, 50}, {50, 150, 50, 50, 0},    {-10, 10, 0, 0, 50},
      {10, 10, 10, 10, 0},     {10, 10, 99, 10, 0},     {0, 3, 1, 1, 33},
  };
  for (const Case& c : cases) {
    MakeBar(c.minimum, c.maximum);
    bar->SetValue(c.request);
    EXPECT_EQ(bar->GetCurrentValue(), c.held)
        << c.request << " in " << c.minimum << ".." << c.maximum;
    EXPECT_EQ(BlueColumns(), c.columns) << c.request << " in " << c.minimum << ".." << c.maximum;
    EXPECT_EQ(BluePixels(), c.columns * 18);
    if (c.columns > 0) {
      EXPECT_EQ(At(21, 21), kBlue);
      EXPECT_EQ(At(20 + c.columns, 38), kBlue);
      if (c.columns < 100) {
        EXPECT_EQ(At(21 + c.columns, 30), kBarColor);
      }
    }
  }
}

TEST_F(ProgressBarTest, AFullBarFillsTheWholeInnerBoxInsideTheSunkenFrame) {
  MakeBar(0, 100);
  bar->SetValue(100);
  EXPECT_EQ(At(20, 20), kBlack);
  EXPECT_EQ(At(20, 38), kBlack);
  EXPECT_EQ(At(121, 20), kWhite);
  EXPECT_EQ(At(121, 39), kWhite);
  EXPECT_EQ(At(60, 39), kWhite);
  EXPECT_EQ(At(120, 38), kBlue);
  EXPECT_EQ(At(122, 30), kFormColor);
}

TEST_F(ProgressBarTest, WithoutTheFrameOnlyTheBackgroundAndTheBlueAreDrawn) {
  MakeBar(0, 100);
  bar->SetValue(40);
  bar->SetBordered(false);
  EXPECT_FALSE(bar->IsBordered());
  PixelRegion whole(display(), form->GetWindow(), 20, 20, 102, 20);
  EXPECT_EQ(whole.Count(kBlack), 0);
  EXPECT_EQ(whole.Count(kWhite), 0);  // the frame drawn before is gone, last column included
  EXPECT_EQ(whole.Count(kBlue), 40 * 18);
  EXPECT_EQ(whole.Count(kBarColor), 102 * 20 - 40 * 18);
}

TEST_F(ProgressBarTest, AValueAlreadyHeldDoesNotRepaint) {
  MakeBar(0, 100);
  bar->SetValue(30);
  {
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(20, 20, 103, 21, 0, 0, 0xFF0000);
  }
  bar->SetValue(30);
  bar->SetValue(-1);  // held as 0, which differs
  EXPECT_EQ(At(30, 30), kBarColor);
  {
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(20, 20, 103, 21, 0, 0, 0xFF0000);
  }
  bar->SetValue(-7);  // held as 0 again
  EXPECT_EQ(At(30, 30), 0xFF0000);
}

}  // namespace
