// How a best-result table's lines become the rows the statistics window shows.
#include "game/ScoreRows.h"

#include <gtest/gtest.h>

namespace {

TEST(ScoreRows, SecondsShowAsMinutesAndTwoDigitSeconds) {
  const std::pair<long, const char*> cases[] = {{0, "0:00"},  {9, "0:09"},     {59, "0:59"},
                                                {60, "1:00"}, {3599, "59:59"}, {6001, "100:01"},
                                                {-5, "0:00"}};
  for (const auto& [seconds, shown] : cases) EXPECT_EQ(FormatSeconds(seconds), shown) << seconds;
}

}  // namespace
