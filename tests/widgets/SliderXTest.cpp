// The slider on a real window under real XTEST presses, drags, releases and keys through the
// loop's dispatch: its pixels lying and standing, one report per tick passed, motion that
// keeps coming outside it while it has the focus, keys, one-value and reversed ranges.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <functional>
#include <memory>
#include <vector>

#include "graphics/GraphicsTestSupport.h"
#include "support/PixelRegion.h"
#include "tessarin/widgets/Slider.h"
#include "tessarin/widgets/TrackControl.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x336699;
std::vector<int> reported;
int changes = 0;

void RecordValue(Slider*, int value) {
  reported.push_back(value);
}

// A lying slider 0..4 in the box (20, 20, 100, 36): its track runs along row 38 with the stops
// of 0..4 at x 40, 55, 70, 85 and 101; the thumb's body stands 10 pixels above a stop.
class SliderTest : public CanvasFixture {
 protected:
  SliderTest() : CanvasFixture({20, 20, 360, 240, kFormColor, true}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    reported.clear();
    changes = 0;
    slider = MakeSlider(false, 0, 4, {20, 20, 100, 36});
    slider->SetOnChange([](GUIElement*) { ++changes; });
  }
  void TearDown() override {
    slider.reset();
    CanvasFixture::TearDown();
  }
  std::unique_ptr<Slider> MakeSlider(bool vertical, int low, int high, Rect box) {
    auto made = std::make_unique<Slider>(form.get(), vertical, low, high);
    made->MoveTo(box.x, box.y);
    made->SetSize(box.w, box.h);
    made->SetValueChangedCallback(RecordValue);
    made->Show();
    return made;
  }
  int Count(Rect box, Color color) {
    return PixelRegion(display(), form->GetWindow(), box.x, box.y, box.w, box.h).Count(color);
  }
  void Input(const std::function<void()>& send) {
    send();
    Pump(form.get());
  }

  std::unique_ptr<Slider> slider;
};

TEST_F(SliderTest, PixelsLyingAndStanding) {
  EXPECT_EQ(At(60, 38), kBlack);  // track, light line below, tick, light line beside
  EXPECT_EQ(At(60, 39), kTrackLight);
  EXPECT_EQ(At(55, 35), kBlack);
  EXPECT_EQ(At(56, 35), kTrackLight);
  EXPECT_EQ(At(40, 28), kBlack);  // thumb over 0
  EXPECT_EQ(At(70, 28), kFormColor);
  EXPECT_GT(Count({21, 21, 18, 34}, kBlack), 0);   // "0"
  EXPECT_GT(Count({104, 21, 16, 34}, kBlack), 0);  // "4"
  slider->SetValue(9);
  EXPECT_EQ(slider->GetCurrentValue(), 4);
  EXPECT_EQ(At(101, 28), kBlack);
  EXPECT_EQ(At(40, 28), kFormColor);
  slider->Enable(false);
  EXPECT_EQ(At(60, 38), kDisabledText);
  slider->SetBackColor(0xFFFDE5);
  slider->Hide();  // its box and the column the "4" label reaches past it
  EXPECT_EQ(Count({20, 20, 101, 36}, kFormColor), 101 * 36);

  auto standing = MakeSlider(true, 0, 4, {200, 20, 10, 20});
  EXPECT_EQ(standing->GetSize(), (Point{40, 68}));
  EXPECT_EQ(At(220, 50), kBlack);
  EXPECT_EQ(At(221, 50), kTrackLight);
  EXPECT_EQ(At(232, 38), kBlack);  // thumb right of the track, on 0 at the top
  EXPECT_TRUE(reported.empty());
}

TEST_F(SliderTest, DragReportsEachTickOnceAndGoesOnOutsideUntilTheRelease) {
  Input([&] { Press(form.get(), 40, 38); });
  for (int x = 43; x <= 112; x += 3) Input([&] { MoveTo(form.get(), x, 38); });
  EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4}));
  Input([&] { MoveTo(form.get(), 70, 150); });  // far below, over the stop of 2
  Input([&] { MoveTo(form.get(), 85, 5); });    // above, over 3
  Input([&] { Release(form.get(), 85, 38); });
  EXPECT_FALSE(slider->IsDragging());
  EXPECT_EQ(Application::FocusedElement(), slider.get());
  Input([&] { MoveTo(form.get(), 40, 38); });  // reaches the slider, but the drag is over
  EXPECT_EQ(reported, (std::vector<int>{1, 2, 3, 4, 2, 3}));
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(At(85, 28), kBlack);
}

TEST_F(SliderTest, KeysStepAndWrapOnlyWithTheFocusWhichShowsDashed) {
  Input([&] { TypeKey(XK_Right); });
  EXPECT_TRUE(reported.empty());
  EXPECT_EQ(Count({40, 21, 60, 1}, kBlack), 0);
  Input([&] { TypeKey(XK_Tab); });
  const int dashes = Count({40, 21, 60, 1}, kBlack);
  EXPECT_GT(dashes, 10);
  EXPECT_LT(dashes, 50);
  const std::pair<unsigned long, int> keys[] = {{XK_Right, 1}, {XK_Down, 2}, {XK_Up, 1},
                                                {XK_Left, 0},  {XK_Left, 4}, {XK_space, 0},
                                                {XK_a, 0}};
  for (auto [key, value] : keys) {
    Input([&] { TypeKey(key); });
    EXPECT_EQ(slider->GetCurrentValue(), value) << "key " << key;
  }
  EXPECT_EQ(reported, (std::vector<int>{1, 2, 1, 0, 4, 0}));
}

TEST_F(SliderTest, OneValueAndReversedRangesHaveOneStopAndNeverChange) {
  auto single = MakeSlider(false, 3, 3, {20, 120, 10, 10});
  EXPECT_EQ(single->GetSize(), (Point{40, 36}));
  EXPECT_EQ(single->GetStops(), (TrackStops{{41, 138}}));
  EXPECT_EQ(At(41, 128), kBlack);
  auto reversed = MakeSlider(false, 5, 1, {120, 120, 60, 40});
  reversed->SetValue(3);
  EXPECT_EQ(reversed->GetStops().size(), 1u);
  for (Slider* s : {single.get(), reversed.get()}) {
    const Point stop = s->GetStops().front();
    Input([&] { Click(form.get(), stop.x - 15, stop.y); });
    Input([&] { TypeKey(XK_Right); });
    EXPECT_EQ(Application::FocusedElement(), s);
  }
  EXPECT_EQ(single->GetCurrentValue(), 3);
  EXPECT_EQ(reversed->GetCurrentValue(), 5);
  EXPECT_TRUE(reported.empty());
}

TEST_F(SliderTest, AReportThatDestroysTheSliderEndsThePressSafely) {
  Slider* doomed = MakeSlider(false, 0, 4, {20, 120, 100, 36}).release();
  doomed->SetValueChangedCallback([](Slider* s, int) { delete s; });
  doomed->SetOnChange([](GUIElement*) { ++changes; });
  Input([&] { Click(form.get(), 70, 138); });
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Application::FocusedElement(), nullptr);
}

}  // namespace
