// Which part of its source an image frame shows, without a window: cells of a sheet and
// entries of a list, and coordinates that lead outside either, however large.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "tessarin/widgets/ImageFrame.h"

using namespace tessarin;

namespace {

constexpr std::uint32_t kHuge = 0xFFFFFFFFu;

TEST(FramePicking, ACellStartsAtItsCoordinatesTimesTheFrameSizeWhenItLiesInTheSheet) {
  // A sheet of 3 x 3 cells of 10 x 8.
  SheetCutOut cut = CutOutOfSheet({2, 1}, 10, 8, 30, 24);
  ASSERT_TRUE(cut.found);
  EXPECT_EQ(cut.x, 20);
  EXPECT_EQ(cut.y, 8);
  for (FrameCoordinates frame : {FrameCoordinates{3, 0}, FrameCoordinates{0, 3},
                                 FrameCoordinates{kHuge, 0}, FrameCoordinates{kHuge, kHuge}}) {
    EXPECT_FALSE(CutOutOfSheet(frame, 10, 8, 30, 24).found) << frame.x << ", " << frame.y;
  }
  EXPECT_FALSE(CutOutOfSheet({2, 0}, 10, 8, 29, 24).found);  // a cell cut short
}

TEST(FramePicking, AListEntryIsTheSumOfTheCoordinatesUpToTheEnd) {
  EXPECT_EQ(FrameListIndex({1, 1}, 3), 2);
  EXPECT_EQ(FrameListIndex({0, 1}, 3), 1);
  EXPECT_EQ(FrameListIndex({2, 1}, 3), -1);
  EXPECT_EQ(FrameListIndex({kHuge, 1}, 3), -1);
  EXPECT_EQ(FrameListIndex({0, 0}, -4), -1);
}

}  // namespace
