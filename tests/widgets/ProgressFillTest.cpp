// The progress bar's arithmetic without a window: the value held for a request and the
// columns its share of the range fills, for ranges that start at 0 and elsewhere, empty
// ranges, values outside the range and the widest ranges an int allows.
#include "widgets/ProgressFill.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct FillCase {
  int innerWidth, value, minimum, maximum;
  int expected;
};

TEST(ProgressFill, FillsTheShareOfTheRangeTheValueHasReached) {
  const FillCase cases[] = {
      {100, 50, 0, 100, 50},
      {100, 100, 0, 100, 100},
      {100, 0, 0, 100, 0},
      {188, 1, 0, 3, 62},
      {99, 2, 0, 3, 66},  // truncated
      {100, 100, 50, 150, 50},
      {100, 150, 50, 150, 100},
      {100, 50, 50, 150, 0},
      {100, -5, -10, 10, 25},
      {100, -10, -10, 10, 0},
      {100, 10, 10, 10, 0},
      {100, 0, 0, 0, 0},  // empty range
      {100, 150, 0, 100, 100},
      {100, -5, 0, 100, 0},  // outside
      {100, 0, INT_MIN, INT_MAX, 50},
      {100, INT_MAX, INT_MIN, INT_MAX, 100},
      {INT_MAX, INT_MAX, 0, INT_MAX, INT_MAX},
      {0, 50, 0, 100, 0},
      {-3, 50, 0, 100, 0},   // no inner width
      {100, 50, 100, 0, 0},  // inverted
  };
  for (const FillCase& c : cases) {
    EXPECT_EQ(FilledWidth(c.innerWidth, c.value, c.minimum, c.maximum), c.expected)
        << c.value << " in [" << c.minimum << ", " << c.maximum << "] over " << c.innerWidth;
  }
}

TEST(ProgressFill, ValuesAreHeldInsideTheRange) {
  EXPECT_EQ(ClampToRange(150, 0, 100), 100);
  EXPECT_EQ(ClampToRange(-5, 0, 100), 0);
  EXPECT_EQ(ClampToRange(42, 0, 100), 42);
  EXPECT_EQ(ClampToRange(3, 7, 7), 7);
  EXPECT_EQ(ClampToRange(INT_MIN, -1, 1), -1);
}

}  // namespace
