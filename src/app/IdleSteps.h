// What the event loop's idle time does: each whole 10 ms step advances the idle millisecond
// counter and then every running timer. The loop wakes only when a timer is due or input
// comes, and hands over all the steps that passed at once; they come out as if taken one by
// one. Needs no X server, so the catch-up is checked directly.
#pragma once

#include <cstdint>

// Applies idle steps as that many 10 ms steps would, stopping, as they would, once a tick asks
// to quit or leaves no timer.
void ApplyIdleSteps(std::uint64_t steps);
