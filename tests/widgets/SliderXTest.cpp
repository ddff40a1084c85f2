// The slider on a real window, driven by real XTEST presses, drags, releases and keys through
// the loop's dispatch: its pixels lying and standing, a value reported once per tick passed,
// motion that keeps coming outside it while it has the focus, the end of a drag, the keys,
// the disabled look, one-value and reversed ranges, the erase on hide, and a report that
// destroys the slider.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <vector>

#include "app/Application.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "widgets/Slider.h"
#include "widgets/TrackParts.h"

namespace {

constexpr Color kFormColor = 0x336699;

std::vector<int> reported;
int changes = 0;
int moves = 0;
int keyDowns = 0;
int presses = 0;

void RecordValue(Slider*, int value) {
  reported.push_back(value);
}

// A lying slider 0..4 in the box (20, 20, 100, 36): the track runs from x 40 to 101 on row 38
// with the stops of 0..4 at x 40, 55, 70, 85 and 101.
class SliderTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    reported.clear();
    changes = moves = keyDowns = presses = 0;
    form = std::make_unique<RecordingForm>(app.get(), nullptr, 20, 20, 360, 240);
    form->SetBackColor(kFormColor);
    form->Create();
    WaitUntilMapped(form.get());
    XSetInputFocus(display(), form->GetWindow(), RevertToParent, CurrentTime);
    slider = std::make_unique<Slider>(form.get(), false, 0, 4);
    slider->MoveTo(20, 20);
    slider->SetSize(100, 36);
    slider->SetValueChangedCallback(RecordValue);
    slider->SetOnChange([](GUIElement*) { ++changes; });
    slider->SetOnMouseMove([](GUIElement*, int, int) { ++moves; });
    slider->SetOnKeyDown([](GUIElement*, unsigned long) { ++keyDowns; });
    slider->SetOnMouseDown([](GUIElement*, std::uint64_t, Point) { ++presses; });
    slider->Show();
    Pump(form.get());
  }
  void TearDown() override {
    slider.reset();
    form.reset();
    XServerFixture::TearDown();
  }

  Color At(int x, int y) { return PixelAt(form.get(), x, y); }
  // The thumb's body lies 10 pixels above the track, under the stop of the value.
  bool ThumbAt(int stopX) { return At(stopX, 28) == kBlack; }
  PixelRegion Region(int x, int y, int w, int h) {
    return PixelRegion(display(), form->GetWindow(), x, y, w, h);
  }
  void DragTo(int x, int y) {
    MoveTo(form.get(), x, y);
    Pump(form.get());
  }

  std::unique_ptr<RecordingForm> form;
  std::unique_ptr<Slider> slider;
};

TEST_F(SliderTest, LyingTrackTicksLabelsAndThumb) {
  EXPECT_EQ(slider->GetWidth(), 100);
  EXPECT_EQ(slider->GetHeight(), 36);
  EXPECT_EQ(slider->GetStops(), (TrackStops{{40, 38}, {55, 38}, {70, 38}, {85, 38}, {101, 38}}));
  EXPECT_EQ(At(60, 38), kBlack);       // the track
  EXPECT_EQ(At(60, 39), kTrackLight);  // and its light line
  EXPECT_EQ(At(55, 35), kBlack);       // a tick
  EXPECT_EQ(At(56, 35), kTrackLight);
  EXPECT_TRUE(ThumbAt(40));
  EXPECT_FALSE(ThumbAt(70));
  EXPECT_EQ(At(70, 28), kFormColor);
  EXPECT_GT(Region(21, 21, 18, 34).Count(kBlack), 0);   // "0"
  EXPECT_GT(Region(104, 21, 16, 34).Count(kBlack), 0);  // "4"

  slider->SetValue(3);
  EXPECT_TRUE(ThumbAt(85));
  EXPECT_FALSE(ThumbAt(40));
  slider->SetValue(9);
  EXPECT_EQ(slider->GetCurrentValue(), 4);
  EXPECT_TRUE(reported.empty());
}

TEST_F(SliderTest, StandingTrackWithTheMinimumAtTheTop) {
  Slider standing(form.get(), true, 0, 4);
  standing.MoveTo(200, 20);
  standing.SetSize(10, 20);
  standing.Show();
  EXPECT_EQ(standing.GetSize(), (Point{40, 68}));
  EXPECT_EQ(standing.GetStops(),
            (TrackStops{{220, 38}, {220, 46}, {220, 54}, {220, 62}, {220, 71}}));
  EXPECT_EQ(At(220, 50), kBlack);
  EXPECT_EQ(At(221, 50), kTrackLight);
  EXPECT_EQ(At(217, 46), kBlack);
  EXPECT_EQ(At(217, 47), kTrackLight);
  EXPECT_EQ(At(232, 38), kBlack);                       // the thumb points left at 0
  EXPECT_GT(Region(201, 20, 38, 16).Count(kBlack), 0);  // "0" above the track
  standing.SetValue(4);
  EXPECT_EQ(At(232, 71), kBlack);
  EXPECT_EQ(At(232, 38), kFormColor);
}

TEST_F(SliderTest, DraggingAcrossReportsEachTickPassedOnce) {
  Press(form.get(), 40, 38);
  Pump(form.get());
  EXPECT_TRUE(slider->IsDragging());
  EXPECT_TRUE(reported.empty());  // the value under the press was already 0
  for (int x = 43; x <= 112; x += 3) DragTo(x, 38);
  Release(form.get(), 112, 38);
  Pump(form.get());
  EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(slider->GetCurrentValue(), 4);
  EXPECT_TRUE(ThumbAt(101));
  EXPECT_FALSE(ThumbAt(40));
  EXPECT_FALSE(slider->IsDragging());
}

TEST_F(SliderTest, MotionKeepsPickingOutsideTheSliderUntilTheReleaseThere) {
  Press(form.get(), 40, 38);
  Pump(form.get());
  DragTo(70, 150);  // far below, over the stop of 2
  DragTo(85, 5);    // above, over the stop of 3
  EXPECT_EQ(reported, (std::vector<int>{2, 3}));
  Release(form.get(), 85, 5);
  Pump(form.get());
  EXPECT_FALSE(slider->IsDragging());
  EXPECT_EQ(Application::FocusedElement(), nullptr);
  DragTo(40, 38);
  EXPECT_EQ(reported, (std::vector<int>{2, 3}));
}

TEST_F(SliderTest, ReleaseEndsTheDragThoughMotionStillReachesTheFocusedSlider) {
  Press(form.get(), 40, 38);
  Pump(form.get());
  DragTo(55, 38);
  Release(form.get(), 55, 38);
  Pump(form.get());
  EXPECT_FALSE(slider->IsDragging());
  EXPECT_EQ(Application::FocusedElement(), slider.get());
  const int movesBefore = moves;
  DragTo(101, 38);
  DragTo(101, 150);
  EXPECT_EQ(moves, movesBefore + 2);
  EXPECT_EQ(reported, (std::vector<int>{1}));
  EXPECT_EQ(slider->GetCurrentValue(), 1);
}

TEST_F(SliderTest, ArrowKeysAndSpaceStepAndWrapWithTheFocus) {
  TypeKey(XK_Right);  // no focus yet: nothing
  Pump(form.get());
  EXPECT_TRUE(reported.empty());
  TypeKey(XK_Tab);
  Pump(form.get());
  ASSERT_EQ(Application::FocusedElement(), slider.get());

  const std::pair<unsigned long, int> keys[] = {
      {XK_Right, 1}, {XK_Down, 2}, {XK_Right, 3}, {XK_Right, 4}, {XK_Right, 0},
      {XK_Left, 4},  {XK_Up, 3},   {XK_space, 4}, {XK_a, 4},
  };
  std::vector<int> expected;
  for (auto [key, value] : keys) {
    TypeKey(key);
    Pump(form.get());
    EXPECT_EQ(slider->GetCurrentValue(), value) << "after key " << key;
    if (expected.empty() || expected.back() != value) expected.push_back(value);
  }
  EXPECT_EQ(reported, expected);
  EXPECT_EQ(changes, static_cast<int>(expected.size()));
  EXPECT_EQ(keyDowns, 0);
  EXPECT_TRUE(ThumbAt(101));
}

TEST_F(SliderTest, DashedFocusRectangleWhileFocused) {
  // Row 21, between the labels: the focus rectangle's top line.
  EXPECT_EQ(Region(40, 21, 60, 1).Count(kBlack), 0);
  TypeKey(XK_Tab);
  Pump(form.get());
  const int dashes = Region(40, 21, 60, 1).Count(kBlack);
  EXPECT_GT(dashes, 10);
  EXPECT_LT(dashes, 50);
  Click(form.get(), 300, 200);
  Pump(form.get());
  EXPECT_EQ(Region(40, 21, 60, 1).Count(kBlack), 0);
}

TEST_F(SliderTest, DisabledSliderIsGreyAndTakesNoValueButStillReportsAPress) {
  TypeKey(XK_Tab);
  Pump(form.get());
  ASSERT_EQ(Application::FocusedElement(), slider.get());
  slider->Enable(false);
  EXPECT_EQ(At(60, 38), kDisabledText);
  EXPECT_EQ(Region(20, 20, 101, 37).Count(kBlack), 0);  // no focus rectangle either
  TypeKey(XK_Right);
  TypeKey(XK_space);
  Press(form.get(), 85, 38);
  Pump(form.get());
  DragTo(101, 38);
  Release(form.get(), 101, 38);
  Pump(form.get());
  EXPECT_EQ(slider->GetCurrentValue(), 0);
  EXPECT_TRUE(reported.empty());
  EXPECT_FALSE(slider->IsDragging());
  EXPECT_EQ(presses, 1);  // it kept the focus, so the press reached it: OnMouseDown still runs
}

TEST_F(SliderTest, OneValueAndReversedRangesHaveOneStopAndNeverChange) {
  Slider single(form.get(), false, 3, 3);
  single.MoveTo(20, 120);
  single.SetSize(10, 10);
  single.SetValueChangedCallback(RecordValue);
  single.Show();
  EXPECT_EQ(single.GetSize(), (Point{40, 36}));
  EXPECT_EQ(single.GetStops(), (TrackStops{{41, 138}}));
  EXPECT_EQ(At(41, 128), kBlack);  // its thumb

  Slider reversed(form.get(), false, 5, 1);
  reversed.MoveTo(120, 120);
  reversed.SetValueChangedCallback(RecordValue);
  reversed.Show();
  EXPECT_EQ(reversed.GetStops().size(), 1u);
  reversed.SetValue(3);
  EXPECT_EQ(reversed.GetCurrentValue(), 5);

  for (Slider* s : {&single, &reversed}) {
    const Point stop = s->GetStops().front();
    Click(form.get(), stop.x, stop.y);
    Click(form.get(), stop.x - 15, stop.y);
    TypeKey(XK_Right);
    TypeKey(XK_Left);
    Pump(form.get());
    EXPECT_EQ(Application::FocusedElement(), s);
  }
  EXPECT_EQ(single.GetCurrentValue(), 3);
  EXPECT_EQ(reversed.GetCurrentValue(), 5);
  EXPECT_TRUE(reported.empty());
}

TEST_F(SliderTest, HidingAndMovingLeaveNothingBehind) {
  slider->SetBackColor(0xFFFDE5);
  slider->SetPosition(150, 120);
  // The old box and the column past it, where the "4" label's box reached.
  EXPECT_EQ(Region(20, 20, 101, 36).Count(kFormColor), 101 * 36);
  EXPECT_EQ(At(190, 138), kBlack);  // the track at the new place
  slider->Hide();
  EXPECT_EQ(Region(150, 120, 101, 36).Count(kFormColor), 101 * 36);
}

Slider* doomed = nullptr;

TEST_F(SliderTest, AReportThatDestroysTheSliderEndsItsPressSafely) {
  doomed = new Slider(form.get(), false, 0, 4);
  doomed->MoveTo(20, 120);
  doomed->SetSize(100, 36);
  doomed->SetValueChangedCallback([](Slider* s, int) {
    reported.push_back(-1);
    delete s;
  });
  doomed->SetOnChange([](GUIElement*) { ++changes; });
  doomed->Show();
  Press(form.get(), 70, 138);
  Pump(form.get());
  Release(form.get(), 70, 138);
  Pump(form.get());
  EXPECT_EQ(reported, (std::vector<int>{-1}));
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Application::FocusedElement(), nullptr);
}

}  // namespace
