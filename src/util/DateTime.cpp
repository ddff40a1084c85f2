#include "tessarin/util/DateTime.h"

#include "tessarin/util/IdleClock.h"

namespace tessarin {

void DateTime::FillFrom(std::time_t seconds) {
  std::tm local{};
  localtime_r(&seconds, &local);
  year = local.tm_year + 1900;
  month = local.tm_mon + 1;
  weekday = local.tm_wday;
  day = local.tm_mday;
  hour = local.tm_hour;
  minute = local.tm_min;
  second = local.tm_sec;
  time = seconds;
}

DateTime DateTime::Now() {
  DateTime now;
  now.FillFrom(std::time(nullptr));
  now.millisecond = IdleMilliseconds();
  now.invalid = false;
  return now;
}

std::int64_t DateTime::ElapsedMs(DateTime later) const {
  if (invalid) return 0;
  return (later.time - time) * 1000 + later.millisecond - millisecond;
}

void DateTime::Normalize() {
  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  fields.tm_hour = hour;
  fields.tm_min = minute;
  fields.tm_sec = second;
  fields.tm_isdst = -1;
  std::time_t seconds = std::mktime(&fields);
  if (seconds == static_cast<std::time_t>(-1)) {
    invalid = true;
    return;
  }
  FillFrom(seconds);
  millisecond = 0;
}

}  // namespace tessarin
