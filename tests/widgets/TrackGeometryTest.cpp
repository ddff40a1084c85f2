// The rules of the slider and the scroll bar without a window. The slider: its size for its
// range, its ticks, the stop a pointer picks and the wrapping keys, for one-value, reversed and
// very wide ranges too. The scroll bar: pages of one track length, stops and thumb, keys that
// stop at the ends, presses on the arrows and the track, and tracks with nothing to page
// through, which divide by nothing.
#include "tessarin/widgets/TrackGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace tessarin;

namespace {

TEST(SliderGeometry, SizeMakesRoomForEveryStepAndATrackOfWholeSteps) {
  struct Case {
    bool vertical;
    SliderRange range;
    Point given, taken;
  };
  const Case cases[] = {
      {false, {0, 4}, {50, 20}, {72, 36}},    // 8 pixels a step and the labels
      {false, {0, 4}, {101, 40}, {100, 40}},  // 61 between the labels, cut to 60
      {false, {0, 4}, {100, 36}, {100, 36}},
      {true, {0, 4}, {10, 20}, {40, 68}},
      {true, {0, 4}, {50, 101}, {50, 100}},
      {false, {3, 3}, {10, 10}, {40, 36}},  // one value: nothing to divide by
      {true, {5, 1}, {10, 10}, {40, 36}},   // reversed: its minimum alone
      {false, {INT_MIN, INT_MAX}, {100, 36}, {32767, 36}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AdjustSliderSize(c.vertical, c.range.Steps(), c.given), c.taken)
        << c.range.minimum << ".." << c.range.maximum << " width " << c.given.x;
  }
}

TEST(SliderGeometry, TicksAreEvenAndTheLastIsPinnedToTheTrackEnd) {
  EXPECT_EQ(LayOutSliderTrack(false, {10, 20, 100, 36}, 4).stops,
            (TrackStops{{30, 38}, {45, 38}, {60, 38}, {75, 38}, {91, 38}}));
  EXPECT_EQ(LayOutSliderTrack(true, {10, 20, 40, 68}, 4).stops,
            (TrackStops{{30, 38}, {30, 46}, {30, 54}, {30, 62}, {30, 71}}));
  EXPECT_EQ(LayOutSliderTrack(false, {10, 20, 40, 36}, 0).stops, (TrackStops{{31, 38}}));
  // Wider than its track: the two ends stand for every value.
  const long long steps = SliderRange{INT_MIN, INT_MAX}.Steps();
  const TrackStops ends = LayOutSliderTrack(false, {0, 0, 32767, 36}, steps).stops;
  EXPECT_EQ(ends, (TrackStops{{20, 18}, {32748, 18}}));
  EXPECT_EQ(SliderStopOf(ends, steps, 5), 0u);
  EXPECT_EQ(SliderStopOf(ends, steps, steps), 1u);
  EXPECT_EQ(SliderOffsetOf(ends, steps, 1), steps);
}

TEST(SliderGeometry, APickTakesTheFirstStopNotPassedByMoreThanTwoPixels) {
  const TrackStops stops{{30, 38}, {45, 38}, {60, 38}, {75, 38}, {91, 38}};
  const std::pair<int, int> xToStop[] = {{0, 0}, {32, 0}, {33, 1}, {48, 2}, {93, 4}, {94, -1}};
  for (auto [x, stop] : xToStop) EXPECT_EQ(PickSliderStop(stops, false, {x, 500}), stop) << x;
  EXPECT_EQ(PickSliderStop({{30, 38}, {30, 46}, {30, 54}}, true, {500, 49}), 2);
  EXPECT_EQ(PickSliderStop({}, false, {0, 0}), -1);
}

TEST(SliderGeometry, KeysStepAndWrapAndAReversedRangeHoldsItsMinimum) {
  struct Case {
    SliderRange range;
    int value, step, expected;
  };
  const Case cases[] = {
      {{0, 4}, 2, 1, 3}, {{0, 4}, 4, 1, 0},  {{0, 4}, 0, -1, 4},
      {{3, 3}, 3, 1, 3}, {{5, 1}, 5, -1, 5}, {{INT_MAX - 1, INT_MAX}, INT_MAX, 1, INT_MAX - 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.range.Step(c.value, c.step), c.expected) << c.range.minimum << " " << c.value;
  }
  EXPECT_EQ((SliderRange{5, 1}).Clamp(9), 5);
  EXPECT_EQ((SliderRange{0, 4}).Clamp(-1), 0);
}

TEST(ScrollBarGeometry, APageIsOneTrackLengthOfValues) {
  struct Case {
    int width, minimum, maximum;
    int length, pages, segment, remainder;
  };
  const Case cases[] = {
      {142, 0, 500, 100, 5, 20, 0}, {142, 0, 450, 100, 5, 20, 0},  // a part page counts
      {142, 0, 300, 100, 3, 33, 1}, {72, 0, 1000, 30, 34, 0, 30},  // more pages than pixels
      {142, 0, 50, 100, 1, 100, 0}, {142, 7, 7, 0, 0, 0, 0},       // nothing to page through:
      {142, 500, 0, 0, 0, 0, 0},    {42, 0, 500, 0, 0, 0, 0},      // empty, reversed, no track
  };
  for (const Case& c : cases) {
    ScrollBarTrack t = MeasureScrollBarTrack(false, {c.width, 21}, c.minimum, c.maximum);
    EXPECT_EQ((std::vector<int>{t.length, t.pages, t.segment, t.remainder}),
              (std::vector<int>{c.length, c.pages, c.segment, c.remainder}))
        << c.minimum << ".." << c.maximum << " width " << c.width;
    EXPECT_EQ(t.HasThumb(), c.pages > 1);
  }
  EXPECT_EQ(AdjustScrollBarSize(false, {80, 13}), (Point{80, 21}));
  EXPECT_EQ(AdjustScrollBarSize(true, {13, 30}), (Point{21, 52}));
}

TEST(ScrollBarGeometry, KeysWalkThePagesStopAtTheEndsAndBringOutsideValuesBack) {
  const ScrollBarTrack track = MeasureScrollBarTrack(false, {142, 21}, 0, 500);
  std::vector<int> visited;
  for (int value = 0, press = 0; press < 5; ++press) {
    value = ScrollBarPageValue(track, 0,
                               ScrollBarSteppedPage(track, ScrollBarPageOf(track, 0, value), 1));
    visited.push_back(value);
  }
  EXPECT_EQ(visited, (std::vector<int>{100, 200, 300, 400, 400}));
  EXPECT_EQ(ScrollBarSteppedPage(track, 0, -1), 0);
  EXPECT_EQ(ScrollBarPageOf(track, 0, -250), 0);
  EXPECT_EQ(ScrollBarPageOf(track, 0, 5000), 4);
  EXPECT_EQ(ScrollBarSteppedPage(ScrollBarTrack{}, 0, 1), 0);
}

TEST(ScrollBarGeometry, StopsThumbAndPressesFollowTheSegments) {
  const ScrollBarTrack track = MeasureScrollBarTrack(false, {142, 21}, 0, 300);
  const TrackStops stops = LayOutScrollBarStops(track, false, {10, 50});
  EXPECT_EQ(stops, (TrackStops{{31, 50}, {64, 50}, {97, 50}}));
  const Rect last = ScrollBarThumb(track, false, {10, 50, 142, 21}, 2);  // takes the pixel over
  EXPECT_EQ((std::vector<int>{last.x, last.y, last.w, last.h}), (std::vector<int>{97, 52, 34, 19}));
  const std::pair<int, ScrollBarPress> xToPress[] = {{30, ScrollBarPress::StepBack},
                                                     {31, ScrollBarPress::Pick},
                                                     {131, ScrollBarPress::Pick},
                                                     {132, ScrollBarPress::StepForward}};
  for (auto [x, press] : xToPress) {
    EXPECT_EQ(ClassifyScrollBarPress(track, stops, false, {x, 60}), press) << x;
  }
  EXPECT_EQ(ClassifyScrollBarPress(track, {}, false, {12, 60}), ScrollBarPress::Nothing);
  EXPECT_EQ(PickScrollBarPage(track, stops, false, {64, 60}), 0);
  EXPECT_EQ(PickScrollBarPage(track, stops, false, {65, 60}), 1);
}

TEST(ScrollBarGeometry, MorePagesThanPixelsGiveOneStopNotOnePerPage) {
  const ScrollBarTrack widest = MeasureScrollBarTrack(false, {52, 21}, INT_MIN, INT_MAX);
  EXPECT_EQ(widest.pages, 429496730);
  EXPECT_EQ(LayOutScrollBarStops(widest, false, {0, 0}), (TrackStops{{21, 0}}));
  EXPECT_EQ(ScrollBarPageValue(widest, INT_MIN, widest.pages - 1), INT_MAX - 5);
}

}  // namespace
