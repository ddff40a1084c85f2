// The slider's rules without a window: its size for its range, its ticks, the stop a pointer
// picks and the wrapping keys, for one-value, reversed and very wide ranges too.
#include "widgets/SliderGeometry.h"

#include <gtest/gtest.h>

#include <climits>

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

}  // namespace
