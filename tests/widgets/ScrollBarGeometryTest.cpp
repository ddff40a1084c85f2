// The scroll bar's rules without a window: its size, its pages, where its stops and thumb
// lie, what the keys and a press do, and that empty, reversed and too short tracks page
// through nothing instead of dividing by it.
#include "widgets/ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ScrollBarGeometry, SizeLeavesRoomForTwoArrowsAndATrack) {
  EXPECT_EQ(AdjustScrollBarSize(false, {80, 13}), (Point{80, 21}));
  EXPECT_EQ(AdjustScrollBarSize(false, {30, 40}), (Point{52, 40}));
  EXPECT_EQ(AdjustScrollBarSize(true, {13, 30}), (Point{21, 52}));
}

struct TrackCase {
  Point size;
  int minimum, maximum;
  int length, pages, segment, remainder;
};

TEST(ScrollBarGeometry, APageIsOneTrackLengthOfValues) {
  const TrackCase cases[] = {
      {{142, 21}, 0, 500, 100, 5, 20, 0},
      {{142, 21}, 0, 450, 100, 5, 20, 0},  // a part page counts as one
      {{142, 21}, 0, 300, 100, 3, 33, 1},  // the last page takes the pixel left over
      {{72, 21}, 0, 1000, 30, 34, 0, 30},  // more pages than pixels: segments of 0
      {{142, 21}, 0, 50, 100, 1, 100, 0},  // fits on one page
      {{142, 21}, -100, 100, 100, 2, 50, 0},
      // Nothing to page through: an empty or reversed range, a track of no length.
      {{142, 21}, 7, 7, 0, 0, 0, 0},
      {{142, 21}, 500, 0, 0, 0, 0, 0},
      {{42, 21}, 0, 500, 0, 0, 0, 0},
      {{30, 21}, 0, 500, 0, 0, 0, 0},
  };
  for (const TrackCase& c : cases) {
    ScrollBarTrack track = MeasureScrollBarTrack(false, c.size, c.minimum, c.maximum);
    SCOPED_TRACE(::testing::Message() << c.minimum << ".." << c.maximum << " at " << c.size.x);
    EXPECT_EQ(track.length, c.length);
    EXPECT_EQ(track.pages, c.pages);
    EXPECT_EQ(track.segment, c.segment);
    EXPECT_EQ(track.remainder, c.remainder);
    EXPECT_EQ(track.HasThumb(), c.pages > 1);
  }
  ScrollBarTrack standing = MeasureScrollBarTrack(true, {21, 142}, 0, 500);
  EXPECT_EQ(standing.pages, 5);
}

TEST(ScrollBarGeometry, MorePagesThanPixelsGiveOneStopNotOnePerPage) {
  ScrollBarTrack widest = MeasureScrollBarTrack(false, {52, 21}, INT_MIN, INT_MAX);
  EXPECT_EQ(widest.length, 10);
  EXPECT_EQ(widest.pages, 429496730);
  TrackStops stops = LayOutScrollBarStops(widest, false, {0, 0});
  EXPECT_EQ(stops, (TrackStops{{21, 0}}));
  int last = ScrollBarSteppedPage(widest, ScrollBarPageOf(widest, INT_MIN, INT_MAX - 5), 1);
  EXPECT_EQ(last, 429496729);
  EXPECT_EQ(ScrollBarPageValue(widest, INT_MIN, last), INT_MAX - 5);
}

TEST(ScrollBarGeometry, ArrowKeysWalkThePagesAndStopAtTheEnds) {
  ScrollBarTrack track = MeasureScrollBarTrack(false, {142, 21}, 0, 500);
  int value = 0;
  std::vector<int> visited;
  for (int press = 0; press < 6; ++press) {
    int page = ScrollBarSteppedPage(track, ScrollBarPageOf(track, 0, value), 1);
    value = ScrollBarPageValue(track, 0, page);
    visited.push_back(value);
  }
  EXPECT_EQ(visited, (std::vector<int>{100, 200, 300, 400, 400, 400}));
  int page = ScrollBarSteppedPage(track, ScrollBarPageOf(track, 0, 100), -1);
  EXPECT_EQ(ScrollBarPageValue(track, 0, page), 0);
  EXPECT_EQ(ScrollBarSteppedPage(track, 0, -1), 0);
}

TEST(ScrollBarGeometry, AValueOutsideTheRangeShowsOnTheNearestPage) {
  ScrollBarTrack track = MeasureScrollBarTrack(false, {142, 21}, 100, 600);
  EXPECT_EQ(ScrollBarPageOf(track, 100, 350), 2);
  EXPECT_EQ(ScrollBarPageOf(track, 100, -250), 0);
  EXPECT_EQ(ScrollBarPageOf(track, 100, 5000), 4);
  EXPECT_EQ(ScrollBarPageOf(track, 100, INT_MIN), 0);
  EXPECT_EQ(ScrollBarPageOf(ScrollBarTrack{}, 100, 5000), 0);
  EXPECT_EQ(ScrollBarSteppedPage(ScrollBarTrack{}, 0, 1), 0);
}

TEST(ScrollBarGeometry, StopsAndThumbFollowTheSegments) {
  ScrollBarTrack track = MeasureScrollBarTrack(false, {142, 21}, 0, 300);
  const Rect box{10, 50, 142, 21};
  EXPECT_EQ(LayOutScrollBarStops(track, false, {10, 50}),
            (TrackStops{{31, 50}, {64, 50}, {97, 50}}));
  EXPECT_EQ(LayOutScrollBarStops(track, true, {10, 50}),
            (TrackStops{{10, 71}, {10, 104}, {10, 137}}));
  Rect first = ScrollBarThumb(track, false, box, 0);
  EXPECT_EQ((std::vector<int>{first.x, first.y, first.w, first.h}),
            (std::vector<int>{31, 52, 33, 19}));
  Rect last = ScrollBarThumb(track, false, box, 2);
  EXPECT_EQ((std::vector<int>{last.x, last.y, last.w, last.h}), (std::vector<int>{97, 52, 34, 19}));
  Rect standing = ScrollBarThumb(track, true, {10, 50, 21, 142}, 1);
  EXPECT_EQ((std::vector<int>{standing.x, standing.y, standing.w, standing.h}),
            (std::vector<int>{12, 104, 19, 33}));
  EXPECT_TRUE(LayOutScrollBarStops(ScrollBarTrack{}, false, {10, 50}).empty());
}

TEST(ScrollBarGeometry, APressStepsBeforeTheFirstStopAndPastTheLastPageAndPicksBetween) {
  ScrollBarTrack track = MeasureScrollBarTrack(false, {142, 21}, 0, 300);
  TrackStops stops = LayOutScrollBarStops(track, false, {10, 50});
  const std::pair<int, ScrollBarPress> xToPress[] = {
      {12, ScrollBarPress::StepBack},     {30, ScrollBarPress::StepBack},
      {31, ScrollBarPress::Pick},         {131, ScrollBarPress::Pick},
      {132, ScrollBarPress::StepForward}, {150, ScrollBarPress::StepForward}};
  for (auto [x, press] : xToPress) {
    EXPECT_EQ(ClassifyScrollBarPress(track, stops, false, {x, 60}), press) << "x " << x;
  }
  EXPECT_EQ(PickScrollBarPage(track, stops, false, {64, 60}), 0);
  EXPECT_EQ(PickScrollBarPage(track, stops, false, {65, 60}), 1);
  EXPECT_EQ(PickScrollBarPage(track, stops, false, {131, 60}), -1);
  EXPECT_EQ(ClassifyScrollBarPress(track, {}, false, {12, 60}), ScrollBarPress::Nothing);

  TrackStops standing = LayOutScrollBarStops(track, true, {10, 50});
  EXPECT_EQ(ClassifyScrollBarPress(track, standing, true, {500, 60}), ScrollBarPress::StepBack);
  EXPECT_EQ(PickScrollBarPage(track, standing, true, {0, 110}), 1);
}

}  // namespace
