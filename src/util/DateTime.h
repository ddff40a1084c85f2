// A local date and time broken into fields, with the matching time_t. The millisecond part
// is not read from a clock: it is the event loop's idle counter, which advances by 10 for
// each 10 ms the loop waited without an X event.
#pragma once

#include <cstdint>
#include <ctime>

namespace tessarin {

struct DateTime {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t weekday = 0;
  std::int32_t day = 0;
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  std::int32_t second = 0;
  std::int32_t millisecond = 0;
  std::int64_t time = 0;
  bool invalid = false;

  static DateTime Now();
  // Milliseconds from this instant to later; 0 when this value is invalid.
  std::int64_t ElapsedMs(DateTime later) const;
  // Brings out-of-range fields back into range through mktime (31 April becomes 1 May).
  void Normalize();

 private:
  void FillFrom(std::time_t seconds);
};

}  // namespace tessarin
