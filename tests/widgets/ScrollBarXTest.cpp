// The scroll bar on a real window under real XTEST presses, drags, releases and keys through
// the loop's dispatch: its pixels lying and standing, the arrows and the track under the
// mouse, a drag that goes on outside it, keys reporting ten times the value, bars with
// nothing to page through, and a press before the first paint.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <functional>
#include <memory>
#include <vector>

#include "graphics/GraphicsTestSupport.h"
#include "support/PixelRegion.h"
#include "tessarin/widgets/ScrollBar.h"
#include "tessarin/widgets/TrackControl.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x336699;
std::vector<long> reported;
int presses = 0;

// A lying bar 0..500 in the box (20, 30, 142, 21): a track of 100 pixels, five pages of 100
// values with their stops at x 41, 61, 81, 101 and 121, the thumb on page p at x 41 + 20p.
class ScrollBarTest : public CanvasFixture {
 protected:
  ScrollBarTest() : CanvasFixture({20, 20, 360, 260, kFormColor, true}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    reported.clear();
    presses = 0;
    bar = std::make_unique<ScrollBar>(form.get(), 0, 500);
    bar->MoveTo(20, 30);
    bar->SetSize(142, 13);
    bar->SetScrollCallback([](ScrollBar*, long tenTimes) { reported.push_back(tenTimes); });
    bar->SetOnMouseDown([](GUIElement*, std::uint64_t, Point) { ++presses; });
  }
  void TearDown() override {
    bar.reset();
    CanvasFixture::TearDown();
  }
  bool ThumbOn(int page) { return At(50 + 20 * page, 40) == kBlack; }
  int TrackBlack() {
    return PixelRegion(display(), form->GetWindow(), 41, 32, 100, 18).Count(kBlack);
  }
  void Input(const std::function<void()>& send) {
    send();
    Pump(form.get());
  }
  void ClickAt(int x, int y) {
    Input([&] { Click(form.get(), x, y); });
  }

  std::unique_ptr<ScrollBar> bar;
};

TEST_F(ScrollBarTest, PixelsLyingAndStanding) {
  bar->Show();
  EXPECT_EQ(bar->GetSize(), (Point{142, 21}));
  EXPECT_EQ(At(90, 30), kTrackLight);  // frame: light top and left,
  EXPECT_EQ(At(20, 45), kTrackLight);
  EXPECT_EQ(At(162, 45), kBlack);  // dark right and bottom one pixel past the box
  EXPECT_EQ(At(90, 51), kBlack);
  EXPECT_EQ(At(30, 40), kBlack);  // arrows
  EXPECT_EQ(At(152, 40), kBlack);
  EXPECT_EQ(TrackBlack(), 19 * 18);  // the thumb alone, on page 0
  EXPECT_TRUE(ThumbOn(0));
  bar->SetValue(5000);  // outside the range: on the last page
  EXPECT_TRUE(ThumbOn(4));
  EXPECT_FALSE(ThumbOn(0));
  bar->Hide();  // the box and the frame's column and row past it
  EXPECT_EQ(PixelRegion(display(), form->GetWindow(), 20, 30, 143, 22).Count(kFormColor), 143 * 22);

  bar->SetVertical(true);
  bar->MoveTo(250, 20);
  bar->SetSize(13, 142);
  bar->SetValue(100);
  bar->Show();
  EXPECT_EQ(bar->GetSize(), (Point{21, 142}));
  EXPECT_EQ(At(260, 32), kBlack);   // upper arrow
  EXPECT_EQ(At(260, 150), kBlack);  // lower arrow
  EXPECT_EQ(At(260, 70), kBlack);   // thumb on page 1: y 61..79
  EXPECT_EQ(At(260, 50), kFormColor);
  ClickAt(260, 25);  // above the first stop: Up
  EXPECT_EQ(bar->GetCurrentValue(), 0);
  EXPECT_EQ(reported, (std::vector<long>{0}));
}

TEST_F(ScrollBarTest, KeysWalkThePagesWithTheFocusReportingTenTimesTheValue) {
  bar->Show();
  Input([&] { TypeKey(XK_Right); });
  EXPECT_TRUE(reported.empty());
  Input([&] { TypeKey(XK_Tab); });
  const std::pair<unsigned long, int> keys[] = {{XK_Right, 100}, {XK_Right, 200}, {XK_Down, 300},
                                                {XK_space, 400}, {XK_Right, 400}, {XK_Up, 300},
                                                {XK_Left, 200}};
  for (auto [key, value] : keys) {
    Input([&] { TypeKey(key); });
    EXPECT_EQ(bar->GetCurrentValue(), value) << "key " << key;
  }
  EXPECT_EQ(reported, (std::vector<long>{1000, 2000, 3000, 4000, 3000, 2000}));
  EXPECT_TRUE(ThumbOn(2));
}

TEST_F(ScrollBarTest, ArrowsStepOnceAndTheTrackPicksAndDragsEvenOutsideTheBar) {
  bar->Show();
  bar->SetValue(300);
  Input([&] { Press(form.get(), 25, 40); });   // left of the first stop: Left
  Input([&] { MoveTo(form.get(), 26, 41); });  // a wavering pointer picks nothing
  Input([&] { Release(form.get(), 26, 41); });
  ClickAt(158, 40);  // past the last page: Right
  ClickAt(65, 40);   // page 1
  EXPECT_EQ(reported, (std::vector<long>{2000, 3000, 1000}));

  Input([&] { Press(form.get(), 45, 40); });
  for (int x = 50; x <= 150; x += 5) Input([&] { MoveTo(form.get(), x, 40); });
  Input([&] { MoveTo(form.get(), 85, 150); });  // far below, over page 2
  Input([&] { Release(form.get(), 85, 150); });
  EXPECT_FALSE(bar->IsDragging());
  EXPECT_EQ(reported, (std::vector<long>{2000, 3000, 1000, 0, 1000, 2000, 3000, 4000, 2000}));
  EXPECT_TRUE(ThumbOn(2));
}

TEST_F(ScrollBarTest, NothingToPageThroughShowsNoThumbAndTakesNoInput) {
  bar->Show();
  const std::pair<int, int> ranges[] = {{0, 50}, {7, 7}, {500, 0}};
  for (auto [low, high] : ranges) {
    bar->SetRange(low, high);
    EXPECT_EQ(TrackBlack(), 0) << low << ".." << high;
    ClickAt(25, 40);
    ClickAt(90, 40);
    Input([&] { TypeKey(XK_Right); });
    EXPECT_EQ(bar->GetCurrentValue(), 0);
  }
  EXPECT_TRUE(reported.empty());
}

TEST_F(ScrollBarTest, APressBeforeTheFirstPaintDoesNothing) {
  // While a form loads nothing paints, not even for the focus the press gives.
  Application::SetLoading(true);
  bar->Show();
  Input([&] { Press(form.get(), 25, 40); });
  EXPECT_TRUE(bar->GetStops().empty());
  EXPECT_FALSE(bar->IsDragging());
  Input([&] { Release(form.get(), 25, 40); });
  ClickAt(90, 40);
  Application::SetLoading(false);
  EXPECT_EQ(bar->GetCurrentValue(), 0);
  EXPECT_TRUE(reported.empty());
  EXPECT_EQ(presses, 2);
}

}  // namespace
