// The scroll bar's rules without a window: pages of one track length, stops and thumb, keys
// that stop at the ends, presses on the arrows and the track, and tracks with nothing to
// page through, which divide by nothing.
#include "widgets/ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

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
