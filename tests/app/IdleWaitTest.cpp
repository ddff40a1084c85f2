// The idle wait's arithmetic on fixed readings: whole 10 ms steps between two readings and
// the time left until a deadline, as select is handed it.
#include <gtest/gtest.h>

#include "tessarin/app/IdleWait.h"

using namespace tessarin;

namespace {

timespec At(time_t seconds, long nanoseconds) {
  return timespec{seconds, nanoseconds};
}

TEST(IdleWait, CountsOnlyWholeStepsAcrossSecondBoundaries) {
  struct Case {
    timespec start, now;
    std::uint64_t steps;
  };
  const Case cases[] = {
      {At(5, 0), At(5, 9'999'999), 0},
      {At(5, 0), At(5, 10'000'000), 1},
      {At(5, 995'000'000), At(6, 14'999'999), 1},
      {At(5, 995'000'000), At(6, 15'000'000), 2},
      {At(6, 0), At(5, 0), 0},
      {At(0, 0), At(3600, 0), 360'000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WholeIdleStepsBetween(c.start, c.now), c.steps)
        << c.start.tv_sec << "." << c.start.tv_nsec << " -> " << c.now.tv_sec << "."
        << c.now.tv_nsec;
  }
}

TEST(IdleWait, TimeLeftRoundsUpToAMicrosecondAndIsZeroOnceDue) {
  const timespec deadline = MillisecondsAfter(At(7, 990'000'000), 20);
  EXPECT_EQ(deadline.tv_sec, 8);
  EXPECT_EQ(deadline.tv_nsec, 10'000'000);
  const timespec later = MillisecondsAfter(At(7, 990'000'000), 2'500);
  EXPECT_EQ(later.tv_sec, 10);
  EXPECT_EQ(later.tv_nsec, 490'000'000);

  struct Case {
    timespec now;
    long seconds, microseconds;
  };
  const Case cases[] = {
      {At(7, 995'000'000), 0, 15'000}, {At(8, 9'999'001), 0, 1}, {At(6, 0), 2, 10'000},
      {At(8, 10'000'000), 0, 0},       {At(9, 0), 0, 0},
  };
  for (const Case& c : cases) {
    const timeval left = TimeLeftUntil(deadline, c.now);
    EXPECT_EQ(left.tv_sec, c.seconds) << c.now.tv_sec << "." << c.now.tv_nsec;
    EXPECT_EQ(left.tv_usec, c.microseconds) << c.now.tv_sec << "." << c.now.tv_nsec;
  }
}

}  // namespace
