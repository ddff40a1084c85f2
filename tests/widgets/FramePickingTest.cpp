// Which part of its source an image frame shows, without a window: sheet cut-outs laid out in
// a grid of the frame's size, list entries addressed by x + y, and coordinates that lead
// outside either.
#include "widgets/FramePicking.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr std::uint32_t kHuge = 0xFFFFFFFFu;

TEST(FramePicking, ACellOfTheSheetStartsAtItsCoordinatesTimesTheFrameSize) {
  struct Case {
    FrameCoordinates frame;
    int expectedX, expectedY;
  } cases[] = {{{0, 0}, 0, 0}, {{2, 1}, 20, 8}, {{1, 0}, 10, 0}, {{2, 2}, 20, 16}};
  for (const Case& c : cases) {
    // A sheet of 3 x 3 cells of 10 x 8.
    SheetCutOut cut = CutOutOfSheet(c.frame, 10, 8, 30, 24);
    ASSERT_TRUE(cut.found) << c.frame.x << ", " << c.frame.y;
    EXPECT_EQ(cut.x, c.expectedX);
    EXPECT_EQ(cut.y, c.expectedY);
  }
}

TEST(FramePicking, CellsThatDoNotLieWhollyInsideTheSheetGiveNothing) {
  const FrameCoordinates outside[] = {{3, 0}, {0, 3}, {kHuge, 0}, {0, kHuge}, {kHuge, kHuge}};
  for (FrameCoordinates frame : outside) {
    EXPECT_FALSE(CutOutOfSheet(frame, 10, 8, 30, 24).found) << frame.x << ", " << frame.y;
  }
  // The last column of a sheet that is not a whole number of frames wide.
  EXPECT_FALSE(CutOutOfSheet({2, 0}, 10, 8, 29, 24).found);
  EXPECT_FALSE(CutOutOfSheet({0, 0}, 0, 8, 30, 24).found);
  EXPECT_FALSE(CutOutOfSheet({0, 0}, 10, 8, 5, 5).found);
}

TEST(FramePicking, AListIsAddressedByTheSumOfTheCoordinatesUpToItsEnd) {
  EXPECT_EQ(FrameListIndex({0, 0}, 3), 0);
  EXPECT_EQ(FrameListIndex({2, 0}, 3), 2);
  EXPECT_EQ(FrameListIndex({1, 1}, 3), 2);
  EXPECT_EQ(FrameListIndex({0, 1}, 3), 1);
  EXPECT_EQ(FrameListIndex({3, 0}, 3), -1);
  EXPECT_EQ(FrameListIndex({2, 1}, 3), -1);
  EXPECT_EQ(FrameListIndex({kHuge, kHuge}, 3), -1);
  EXPECT_EQ(FrameListIndex({kHuge, 1}, 3), -1);
  EXPECT_EQ(FrameListIndex({0, 0}, 0), -1);
  EXPECT_EQ(FrameListIndex({0, 0}, -4), -1);
}

}  // namespace
