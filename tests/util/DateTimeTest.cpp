// DateTime arithmetic on hand-made stamps: the idle counter stands in for milliseconds.
#include "tessarin/util/DateTime.h"

#include <gtest/gtest.h>

using namespace tessarin;

namespace {

DateTime Stamp(std::int64_t seconds, int millisecond) {
  DateTime stamp;
  stamp.time = seconds;
  stamp.millisecond = millisecond;
  return stamp;
}

TEST(DateTime, ElapsedMsCombinesSecondsAndTheIdleCounter) {
  EXPECT_EQ(Stamp(1000, 100).ElapsedMs(Stamp(1000, 350)), 250);
  EXPECT_EQ(Stamp(1000, 990).ElapsedMs(Stamp(1001, 10)), 20);
  // A counter that did not advance: two stamps in one second are 0 ms apart.
  EXPECT_EQ(Stamp(1000, 500).ElapsedMs(Stamp(1000, 500)), 0);
}

TEST(DateTime, ElapsedMsFromAnInvalidStampIsZero) {
  DateTime from = Stamp(1000, 0);
  from.invalid = true;
  EXPECT_EQ(from.ElapsedMs(Stamp(2000, 0)), 0);
  DateTime later = Stamp(1001, 0);
  later.invalid = true;
  EXPECT_EQ(Stamp(1000, 0).ElapsedMs(later), 1000);
}

TEST(DateTime, NormalizeTurnsThirtyFirstAprilIntoFirstMay) {
  DateTime date;
  date.year = 2023;
  date.month = 4;
  date.day = 31;
  date.hour = 12;
  date.millisecond = 430;
  date.Normalize();
  EXPECT_FALSE(date.invalid);
  EXPECT_EQ(date.year, 2023);
  EXPECT_EQ(date.month, 5);
  EXPECT_EQ(date.day, 1);
  EXPECT_EQ(date.hour, 12);
  EXPECT_EQ(date.weekday, 1);  // a Monday
  EXPECT_EQ(date.millisecond, 0);
  std::tm local{};
  const std::time_t seconds = static_cast<std::time_t>(date.time);
  localtime_r(&seconds, &local);
  EXPECT_EQ(local.tm_mday, 1);
  EXPECT_EQ(local.tm_mon, 4);
}

TEST(DateTime, NowFillsTheFieldsOfTheCurrentTime) {
  const std::time_t before = std::time(nullptr);
  const DateTime now = DateTime::Now();
  EXPECT_FALSE(now.invalid);
  EXPECT_GE(now.time, before);
  std::tm local{};
  const std::time_t seconds = static_cast<std::time_t>(now.time);
  localtime_r(&seconds, &local);
  EXPECT_EQ(now.year, local.tm_year + 1900);
  EXPECT_EQ(now.month, local.tm_mon + 1);
  EXPECT_EQ(now.day, local.tm_mday);
  EXPECT_EQ(now.second, local.tm_sec);
}

}  // namespace
