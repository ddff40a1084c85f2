#include "widgets/ProgressFill.h"

#include <algorithm>
#include <cstdint>

int ClampToRange(int v, int minimum, int maximum) {
  if (v < minimum) return minimum;
  if (v > maximum) return maximum;
  return v;
}

int FilledWidth(int innerWidth, int value, int minimum, int maximum) {
  if (innerWidth <= 0 || maximum <= minimum) return 0;
  // In 64 bits the span of any two ints fits, and so does its product with a width below
  // 2^31, so the share is exact: no rounding can push a full bar one column short or over.
  const std::int64_t span = std::int64_t{maximum} - minimum;
  const std::int64_t reached = std::int64_t{ClampToRange(value, minimum, maximum)} - minimum;
  return static_cast<int>(std::uint64_t(innerWidth) * std::uint64_t(reached) / std::uint64_t(span));
}
