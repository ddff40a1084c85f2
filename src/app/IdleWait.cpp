#include "tessarin/app/IdleWait.h"

namespace tessarin {

namespace {

constexpr std::int64_t kNsPerUs = 1000;
constexpr std::int64_t kNsPerMs = 1000 * kNsPerUs;
constexpr std::int64_t kNsPerS = 1000 * kNsPerMs;
constexpr std::int64_t kUsPerS = 1000 * 1000;

std::int64_t NanosecondsFrom(const timespec& from, const timespec& to) {
  return (static_cast<std::int64_t>(to.tv_sec) - from.tv_sec) * kNsPerS +
         (to.tv_nsec - from.tv_nsec);
}

}  // namespace

timespec MonotonicNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now;
}

timespec MillisecondsAfter(const timespec& start, std::uint64_t ms) {
  const std::int64_t ns = start.tv_nsec + static_cast<std::int64_t>(ms % 1000) * kNsPerMs;
  timespec result{};
  result.tv_sec = start.tv_sec + static_cast<time_t>(ms / 1000) + static_cast<time_t>(ns / kNsPerS);
  result.tv_nsec = static_cast<long>(ns % kNsPerS);
  return result;
}

std::uint64_t WholeIdleStepsBetween(const timespec& start, const timespec& now) {
  const std::int64_t ns = NanosecondsFrom(start, now);
  if (ns <= 0) return 0;
  return static_cast<std::uint64_t>(ns / (kIdleStepMs * kNsPerMs));
}

timeval TimeLeftUntil(const timespec& deadline, const timespec& now) {
  const std::int64_t ns = NanosecondsFrom(now, deadline);
  if (ns <= 0) return timeval{0, 0};
  const std::int64_t us = (ns + kNsPerUs - 1) / kNsPerUs;
  return timeval{static_cast<time_t>(us / kUsPerS), static_cast<suseconds_t>(us % kUsPerS)};
}

}  // namespace tessarin
