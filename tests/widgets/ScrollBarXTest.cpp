// The scroll bar on a real window, driven by real XTEST presses, drags, releases and keys
// through the loop's dispatch: its frame, arrows and thumb lying and standing, the arrows and
// the track under the mouse, a drag that goes on outside it, the keys, ten times the value in
// every report, bars with nothing to page through, a press before the first paint, values
// set outside the range, and the erase on hide.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <vector>

#include "app/Application.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "widgets/ScrollBar.h"
#include "widgets/TrackParts.h"

namespace {

constexpr Color kFormColor = 0x336699;

std::vector<long> reported;
int presses = 0;

void RecordScroll(ScrollBar*, long tenTimesValue) {
  reported.push_back(tenTimesValue);
}

// A lying bar 0..500 in the box (20, 30, 142, 21): a track of 100 pixels and five pages of
// 100 values, their stops at x 41, 61, 81, 101 and 121, each segment 20 pixels long.
class ScrollBarTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    reported.clear();
    presses = 0;
    form = std::make_unique<RecordingForm>(app.get(), nullptr, 20, 20, 360, 260);
    form->SetBackColor(kFormColor);
    form->Create();
    WaitUntilMapped(form.get());
    XSetInputFocus(display(), form->GetWindow(), RevertToParent, CurrentTime);
    bar = std::make_unique<ScrollBar>(form.get(), 0, 500);
    bar->MoveTo(20, 30);
    bar->SetSize(142, 13);
    bar->SetScrollCallback(RecordScroll);
    bar->SetOnMouseDown([](GUIElement*, std::uint64_t, Point) { ++presses; });
  }
  void TearDown() override {
    bar.reset();
    form.reset();
    XServerFixture::TearDown();
  }
  void ShowBar() {
    bar->Show();
    Pump(form.get());
  }

  Color At(int x, int y) { return PixelAt(form.get(), x, y); }
  PixelRegion Region(int x, int y, int w, int h) {
    return PixelRegion(display(), form->GetWindow(), x, y, w, h);
  }
  // The thumb on page p fills x 41 + 20p .. 59 + 20p.
  bool ThumbOn(int page) { return At(50 + 20 * page, 40) == kBlack; }
  int ThumbPixels() { return Region(41, 32, 100, 18).Count(kBlack); }
  void ClickAndPump(int x, int y) {
    Click(form.get(), x, y);
    Pump(form.get());
  }
  void DragTo(int x, int y) {
    MoveTo(form.get(), x, y);
    Pump(form.get());
  }

  std::unique_ptr<RecordingForm> form;
  std::unique_ptr<ScrollBar> bar;
};

TEST_F(ScrollBarTest, LyingFrameArrowsAndThumb) {
  ShowBar();
  EXPECT_EQ(bar->GetSize(), (Point{142, 21}));
  EXPECT_EQ(bar->GetStops(), (TrackStops{{41, 30}, {61, 30}, {81, 30}, {101, 30}, {121, 30}}));
  EXPECT_EQ(At(90, 30), kTrackLight);  // top and left of the frame
  EXPECT_EQ(At(20, 45), kTrackLight);
  EXPECT_EQ(At(162, 45), kBlack);  // right and bottom, one pixel past the box
  EXPECT_EQ(At(90, 51), kBlack);
  EXPECT_EQ(At(30, 40), kBlack);  // the arrows
  EXPECT_EQ(At(152, 40), kBlack);
  EXPECT_TRUE(ThumbOn(0));
  EXPECT_EQ(ThumbPixels(), 19 * 18);
  EXPECT_EQ(At(70, 40), kFormColor);

  bar->SetValue(300);
  EXPECT_TRUE(ThumbOn(3));
  EXPECT_FALSE(ThumbOn(0));
  EXPECT_TRUE(reported.empty());
}

TEST_F(ScrollBarTest, StandingBarWithTheFirstPageAtTheTop) {
  bar->SetVertical(true);
  bar->MoveTo(250, 20);
  bar->SetSize(13, 142);
  ShowBar();
  EXPECT_FALSE(bar->IsHorizontal());
  EXPECT_EQ(bar->GetSize(), (Point{21, 142}));
  EXPECT_EQ(At(260, 32), kBlack);   // upper arrow
  EXPECT_EQ(At(260, 150), kBlack);  // lower arrow
  EXPECT_EQ(At(260, 50), kBlack);   // thumb on page 0: y 41..59
  EXPECT_EQ(At(260, 70), kFormColor);

  TypeKey(XK_Tab);
  TypeKey(XK_Down);
  Pump(form.get());
  EXPECT_EQ(bar->GetCurrentValue(), 100);
  EXPECT_EQ(At(260, 70), kBlack);
  ClickAndPump(260, 25);  // above the first stop: Up
  EXPECT_EQ(bar->GetCurrentValue(), 0);
  EXPECT_EQ(reported, (std::vector<long>{1000, 0}));
}

TEST_F(ScrollBarTest, KeysWalkThePagesReportingTenTimesTheValue) {
  ShowBar();
  TypeKey(XK_Tab);
  Pump(form.get());
  ASSERT_EQ(Application::FocusedElement(), bar.get());
  const std::pair<unsigned long, int> keys[] = {
      {XK_Right, 100}, {XK_Right, 200}, {XK_Right, 300}, {XK_Right, 400}, {XK_Right, 400},
      {XK_Left, 300},  {XK_Up, 200},    {XK_Down, 300},  {XK_space, 400}, {XK_a, 400},
  };
  std::vector<long> expected;
  for (auto [key, value] : keys) {
    TypeKey(key);
    Pump(form.get());
    EXPECT_EQ(bar->GetCurrentValue(), value) << "after key " << key;
    if (10L * value != (expected.empty() ? 0 : expected.back())) expected.push_back(10L * value);
  }
  EXPECT_EQ(reported, expected);
  EXPECT_TRUE(ThumbOn(4));
}

TEST_F(ScrollBarTest, ArrowsStepAndTheTrackPicksThePageUnderThePress) {
  ShowBar();
  bar->SetValue(300);
  ClickAndPump(25, 40);  // left of the first stop: Left
  EXPECT_EQ(bar->GetCurrentValue(), 200);
  ClickAndPump(158, 40);  // past the last page: Right
  EXPECT_EQ(bar->GetCurrentValue(), 300);
  ClickAndPump(65, 40);
  EXPECT_EQ(bar->GetCurrentValue(), 100);
  ClickAndPump(45, 40);
  EXPECT_EQ(bar->GetCurrentValue(), 0);
  ClickAndPump(25, 40);  // already on the first page
  EXPECT_EQ(reported, (std::vector<long>{2000, 3000, 1000, 0}));
  EXPECT_TRUE(ThumbOn(0));
  EXPECT_EQ(presses, 5);
}

TEST_F(ScrollBarTest, DraggingPicksEachPagePassedAndGoesOnOutsideTheBar) {
  ShowBar();
  Press(form.get(), 45, 40);
  Pump(form.get());
  for (int x = 50; x <= 150; x += 5) DragTo(x, 40);
  DragTo(85, 150);  // far below, over page 2
  Release(form.get(), 85, 150);
  Pump(form.get());
  EXPECT_EQ(reported, (std::vector<long>{1000, 2000, 3000, 4000, 2000}));
  EXPECT_FALSE(bar->IsDragging());
  DragTo(45, 40);
  EXPECT_EQ(bar->GetCurrentValue(), 200);
  EXPECT_TRUE(ThumbOn(2));
}

TEST_F(ScrollBarTest, NothingToPageThroughShowsNoThumbAndTakesNoInput) {
  ShowBar();
  const std::pair<int, int> ranges[] = {{0, 50}, {7, 7}, {500, 0}};
  for (auto [low, high] : ranges) {
    SCOPED_TRACE(::testing::Message() << low << ".." << high);
    bar->SetRange(low, high);
    EXPECT_EQ(ThumbPixels(), 0);
    EXPECT_EQ(At(30, 40), kBlack);  // the arrows are still drawn
    ClickAndPump(25, 40);
    ClickAndPump(90, 40);
    ClickAndPump(158, 40);
    TypeKey(XK_Right);
    TypeKey(XK_Left);
    Pump(form.get());
    EXPECT_EQ(bar->GetCurrentValue(), 0);
  }
  EXPECT_TRUE(reported.empty());
}

TEST_F(ScrollBarTest, APressBeforeTheFirstPaintDoesNothing) {
  // While the form loads nothing paints, not even the focus the press gives.
  Application::SetLoading(true);
  bar->Show();
  Press(form.get(), 25, 40);
  Pump(form.get());
  ASSERT_EQ(Application::FocusedElement(), bar.get());
  ASSERT_TRUE(bar->GetStops().empty());
  EXPECT_FALSE(bar->IsDragging());
  Release(form.get(), 25, 40);
  Click(form.get(), 90, 40);
  Pump(form.get());
  Application::SetLoading(false);
  EXPECT_EQ(bar->GetCurrentValue(), 0);
  EXPECT_TRUE(reported.empty());
  EXPECT_EQ(presses, 2);
}

TEST_F(ScrollBarTest, APressOnAnArrowStepsOnceHoweverThePointerWavers) {
  ShowBar();
  bar->SetValue(300);
  Press(form.get(), 25, 40);
  Pump(form.get());
  DragTo(26, 41);
  DragTo(24, 40);
  Release(form.get(), 24, 40);
  Pump(form.get());
  EXPECT_EQ(bar->GetCurrentValue(), 200);
  EXPECT_EQ(reported, (std::vector<long>{2000}));
}

TEST_F(ScrollBarTest, AValueSetOutsideTheRangeShowsOnTheNearestPageAndKeysBringItBack) {
  ShowBar();
  TypeKey(XK_Tab);
  bar->SetValue(5000);
  EXPECT_TRUE(ThumbOn(4));
  TypeKey(XK_Left);
  Pump(form.get());
  EXPECT_EQ(bar->GetCurrentValue(), 300);
  bar->SetValue(-250);
  EXPECT_TRUE(ThumbOn(0));
  TypeKey(XK_Right);
  Pump(form.get());
  EXPECT_EQ(bar->GetCurrentValue(), 100);
  EXPECT_EQ(reported, (std::vector<long>{3000, 1000}));
}

TEST_F(ScrollBarTest, TurningAndHidingLeaveNoFrameBehind) {
  bar->SetBackColor(0xFFFDE5);
  ShowBar();
  bar->SetVertical(true);  // hidden, then shown standing: 142 x 52 at the same place
  EXPECT_TRUE(bar->IsCreated());
  EXPECT_EQ(bar->GetSize(), (Point{142, 52}));
  EXPECT_EQ(At(162, 70), kBlack);  // the standing frame's right edge
  bar->Hide();
  // The box and the frame's column and row past it.
  EXPECT_EQ(Region(20, 30, 143, 53).Count(kFormColor), 143 * 53);
}

TEST_F(ScrollBarTest, AReportThatDestroysTheBarEndsItsKeyAndPressSafely) {
  auto* doomed = new ScrollBar(form.get(), 0, 500);
  doomed->MoveTo(20, 120);
  doomed->SetSize(142, 21);
  doomed->SetScrollCallback([](ScrollBar* b, long v) {
    reported.push_back(v);
    delete b;
  });
  doomed->SetOnMouseDown([](GUIElement*, std::uint64_t, Point) { ++presses; });
  doomed->Show();
  ClickAndPump(158, 130);
  EXPECT_EQ(reported, (std::vector<long>{1000}));
  EXPECT_EQ(presses, 0);
  EXPECT_EQ(Application::FocusedElement(), nullptr);
}

}  // namespace
