// What the event loop's idle time does: each whole 10 ms step advances the idle millisecond
// counter and then every running timer. The loop wakes only when a timer is due or input
// comes, and hands over all the steps that passed at once; they come out as if taken one by
// one. Needs no X server, so the catch-up is checked directly.
#pragma once

#include <cstdint>

namespace tessarin {

// The most steps one wake-up catches up on: 10 s. A wake-up later than that comes after the
// process was stopped or the machine slept, and the old loop, which counted its timeouts,
// would not have seen that time pass either; firing every timer for each 10 ms of a long
// absence would only freeze the program while it caught up.
constexpr std::uint64_t kMostCatchUpSteps = 1000;

// Applies idle steps (at most kMostCatchUpSteps) as that many 10 ms steps would, stopping, as
// they would, once a tick asks to quit or leaves no timer.
void ApplyIdleSteps(std::uint64_t steps);

}  // namespace tessarin
