// The progress bar's fill without a window: the share of the range reached, for ranges that
// start at 0 and elsewhere, empty and inverted ranges, values outside the range and the widest
// ranges an int allows.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "tessarin/widgets/ProgressBar.h"

#include <climits>

using namespace tessarin;

namespace {

TEST(ProgressFill, FillsTheShareOfTheRangeReachedExactlyAndNeverMoreThanTheWidth) {
  struct Case {
    int innerWidth, value, minimum, maximum, expected;
  } cases[] = {
      {100, 50, 0, 100, 50},
      {188, 1, 0, 3, 62},
      {99, 2, 0, 3, 66},  // truncated
      {100, 100, 50, 150, 50},
      {100, -5, -10, 10, 25},
      {100, 10, 10, 10, 0},
      {100, 150, 0, 100, 100},
      {100, -5, 0, 100, 0},
      {100, 50, 100, 0, 0},
      {100, 0, INT_MIN, INT_MAX, 50},
      {INT_MAX, INT_MAX, 0, INT_MAX, INT_MAX},
      {-3, 50, 0, 100, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FilledWidth(c.innerWidth, c.value, c.minimum, c.maximum), c.expected)
        << c.value << " in [" << c.minimum << ", " << c.maximum << "] over " << c.innerWidth;
  }
}

}  // namespace
