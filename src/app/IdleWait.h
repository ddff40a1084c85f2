// The timing of the event loop's idle waits: CLOCK_MONOTONIC, read in whole steps of 10 ms,
// the unit in which timers and the idle millisecond counter advance. It holds no state and
// knows nothing of X, so the step arithmetic can be checked without a server; the loop keeps
// every reading it takes.
#pragma once

#include <sys/time.h>

#include <cstdint>
#include <ctime>

namespace tessarin {

constexpr std::uint32_t kIdleStepMs = 10;

timespec MonotonicNow();

timespec MillisecondsAfter(const timespec& start, std::uint64_t ms);

// Whole idle steps from start to now; 0 when now is not later than start.
std::uint64_t WholeIdleStepsBetween(const timespec& start, const timespec& now);

// What is left from now until the deadline, rounded up to the microseconds select counts in so
// that a wait never ends short of it; zero once the deadline has come.
timeval TimeLeftUntil(const timespec& deadline, const timespec& now);

}  // namespace tessarin
