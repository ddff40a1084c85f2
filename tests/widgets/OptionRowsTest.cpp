// The option box's row arithmetic without a window: the row under a point, Up and Down with
// their wrapping, the rows the getters read, and the selection after a removal.
#include "widgets/OptionRows.h"

#include <gtest/gtest.h>

namespace {

struct RowCase {
  int from;
  int rowCount;
  int expected;
};

TEST(OptionRows, ThePointPicksItsRowAndPointsOutsideTheRowsPickTheNearestOne) {
  const RowCase cases[] = {
      {0, 3, 0},   {25, 3, 0},  {26, 3, 1},  {77, 3, 2}, {78, 3, 2},  // below the last row
      {500, 3, 2}, {-1, 3, 0},  {-60, 3, 0},                          // above the first row
      {0, 1, 0},   {40, 0, -1}, {0, 0, -1},
  };
  for (const RowCase& c : cases) {
    EXPECT_EQ(OptionRowAt(c.from, c.rowCount), c.expected)
        << "offset " << c.from << " in " << c.rowCount << " rows";
  }
}

TEST(OptionRows, DownAndSpaceWrapToTheTopAndUpWrapsToTheBottom) {
  const RowCase down[] = {{2, 3, 0}, {0, 3, 1}, {1, 3, 2}, {-1, 3, 0}, {0, 1, 0}, {-1, 0, -1}};
  for (const RowCase& c : down) {
    EXPECT_EQ(NextOptionRow(c.from, c.rowCount), c.expected) << "down from " << c.from;
  }
  const RowCase up[] = {{0, 3, 2}, {2, 3, 1}, {-1, 3, 2}, {0, 1, 0}, {-1, 0, -1}, {0, 0, -1}};
  for (const RowCase& c : up) {
    EXPECT_EQ(PreviousOptionRow(c.from, c.rowCount), c.expected) << "up from " << c.from;
  }
}

TEST(OptionRows, GettersReadTheLastRowForIndexesThatAreNoRowAndNothingWhenEmpty) {
  const RowCase cases[] = {{0, 3, 0},  {2, 3, 2},  {3, 3, 2},  {-1, 3, 2},
                           {-7, 3, 2}, {0, 0, -1}, {-1, 0, -1}};
  for (const RowCase& c : cases) {
    EXPECT_EQ(ReadableOptionRow(c.from, c.rowCount), c.expected) << "index " << c.from;
  }
}

TEST(OptionRows, RemovingTheSelectedLastRowSelectsTheNewLastRowOthersKeepTheIndex) {
  const RowCase cases[] = {
      {2, 3, 1},    // the selected last row (or any row while the last is selected)
      {1, 4, 1},    // a row above the selection: the same index, now the next row
      {0, 3, 0},    // the first row, also after its own removal
      {0, 1, -1},   // the only row
      {-1, 3, -1},  // nothing selected stays so
      {-1, 1, -1},
  };
  for (const RowCase& c : cases) {
    EXPECT_EQ(SelectionAfterRemoval(c.from, c.rowCount), c.expected)
        << "selected " << c.from << " of " << c.rowCount;
  }
}

TEST(OptionRows, RowsAreTwentySixPixelsHigh) {
  EXPECT_EQ(OptionRowsHeight(3), 78);
  EXPECT_EQ(OptionRowsHeight(0), 0);
  EXPECT_EQ(OptionRowsHeight(-2), 0);
}

}  // namespace
