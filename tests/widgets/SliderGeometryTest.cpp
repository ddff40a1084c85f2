// The slider's rules without a window: the size it takes for its range, where its ticks lie,
// which stop the pointer picks, and how the keys step and wrap, for empty and reversed
// ranges too.
#include "widgets/SliderGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct SizeCase {
  bool vertical;
  SliderRange range;
  Point given;
  Point taken;
};

TEST(SliderGeometry, SizeMakesRoomForEveryStepAndATrackOfWholeSteps) {
  const SizeCase cases[] = {
      {false, {0, 4}, {50, 20}, {72, 36}},    // at least 8 pixels a step and the labels
      {false, {0, 4}, {101, 40}, {100, 40}},  // 61 between the labels, cut to 60
      {false, {0, 4}, {100, 36}, {100, 36}},  // already a whole number of steps
      {true, {0, 4}, {10, 20}, {40, 68}},     // standing: 8 a step and 36 of labels
      {true, {0, 4}, {50, 101}, {50, 100}},   // 65 between the labels, cut to 64
      {false, {3, 3}, {10, 10}, {40, 36}},    // one value: nothing to divide by
      {true, {3, 3}, {10, 10}, {40, 36}},
      {false, {5, 1}, {60, 40}, {60, 40}},                  // reversed: one value as well
      {false, {INT_MIN, INT_MAX}, {100, 36}, {32767, 36}},  // kept within X's coordinates
  };
  for (const SizeCase& c : cases) {
    Point taken = AdjustSliderSize(c.vertical, c.range.Steps(), c.given);
    EXPECT_EQ(taken, c.taken) << c.range.minimum << ".." << c.range.maximum << " given "
                              << c.given.x << "x" << c.given.y;
  }
}

TEST(SliderGeometry, TicksAreEvenlySpacedAndTheLastIsPinnedToTheTrackEnd) {
  SliderTrack lying = LayOutSliderTrack(false, {10, 20, 100, 36}, 4);
  EXPECT_EQ(lying.start, (Point{30, 38}));
  EXPECT_EQ(lying.end, (Point{91, 38}));
  TrackStops expectedLying{{30, 38}, {45, 38}, {60, 38}, {75, 38}, {91, 38}};
  EXPECT_EQ(lying.stops, expectedLying);

  SliderTrack standing = LayOutSliderTrack(true, {10, 20, 40, 68}, 4);
  EXPECT_EQ(standing.start, (Point{30, 38}));
  EXPECT_EQ(standing.end, (Point{30, 71}));
  TrackStops expectedStanding{{30, 38}, {30, 46}, {30, 54}, {30, 62}, {30, 71}};
  EXPECT_EQ(standing.stops, expectedStanding);

  SliderTrack single = LayOutSliderTrack(false, {10, 20, 40, 36}, 0);
  EXPECT_EQ(single.stops, (TrackStops{{31, 38}}));
}

TEST(SliderGeometry, APickTakesTheFirstStopThePointerHasNotPassedByMoreThanTwoPixels) {
  const TrackStops lying{{30, 38}, {45, 38}, {60, 38}, {75, 38}, {91, 38}};
  const std::pair<int, int> xToStop[] = {{0, 0},  {32, 0}, {33, 1},  {47, 1},
                                         {48, 2}, {93, 4}, {94, -1}, {500, -1}};
  for (auto [x, stop] : xToStop) {
    EXPECT_EQ(PickSliderStop(lying, false, {x, 500}), stop) << "x " << x;
  }
  const TrackStops standing{{30, 38}, {30, 46}, {30, 54}};
  EXPECT_EQ(PickSliderStop(standing, true, {500, 49}), 2);
  EXPECT_EQ(PickSliderStop(standing, true, {0, 57}), -1);
  EXPECT_EQ(PickSliderStop({}, false, {0, 0}), -1);
}

TEST(SliderGeometry, ARangeWiderThanItsTrackKeepsTheTwoEndsAsStops) {
  const SliderRange widest{INT_MIN, INT_MAX};
  const long long steps = widest.Steps();
  const SliderTrack track = LayOutSliderTrack(false, {0, 0, 32767, 36}, steps);
  EXPECT_EQ(track.stops, (TrackStops{{20, 18}, {32748, 18}}));
  EXPECT_EQ(SliderStopOf(track.stops, steps, 0), 0u);
  EXPECT_EQ(SliderStopOf(track.stops, steps, 5), 0u);
  EXPECT_EQ(SliderStopOf(track.stops, steps, steps), 1u);
  EXPECT_EQ(SliderOffsetOf(track.stops, steps, 1), steps);
  // Where every value has its stop, stop k is value k.
  const TrackStops five{{30, 38}, {45, 38}, {60, 38}, {75, 38}, {91, 38}};
  EXPECT_EQ(SliderStopOf(five, 4, 3), 3u);
  EXPECT_EQ(SliderOffsetOf(five, 4, 3), 3);
}

struct StepCase {
  SliderRange range;
  int value;
  int step;
  int expected;
};

TEST(SliderGeometry, KeysStepOneValueAndWrapRoundAtTheEnds) {
  const StepCase cases[] = {
      {{0, 4}, 2, 1, 3},
      {{0, 4}, 4, 1, 0},  // past the maximum to the minimum
      {{0, 4}, 0, -1, 4},
      {{-3, 3}, -3, -1, 3},
      {{3, 3}, 3, 1, 3},  // one value: it stays
      {{5, 1}, 5, -1, 5},
      {{INT_MAX - 1, INT_MAX}, INT_MAX, 1, INT_MAX - 1},
      {{INT_MIN, INT_MIN + 1}, INT_MIN, -1, INT_MIN + 1},
  };
  for (const StepCase& c : cases) {
    EXPECT_EQ(c.range.Step(c.value, c.step), c.expected)
        << c.range.minimum << ".." << c.range.maximum << " from " << c.value;
  }
}

TEST(SliderGeometry, AReversedRangeHoldsItsMinimumAlone) {
  const SliderRange reversed{5, 1};
  EXPECT_EQ(reversed.Steps(), 0);
  EXPECT_EQ(reversed.Clamp(9), 5);
  EXPECT_EQ(reversed.Clamp(-3), 5);
  EXPECT_EQ((SliderRange{0, 4}).Clamp(9), 4);
  EXPECT_EQ((SliderRange{0, 4}).Clamp(-1), 0);
}

}  // namespace
