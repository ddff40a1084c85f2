#include "tessarin/app/IdleSteps.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "tessarin/app/Application.h"
#include "tessarin/app/IdleWait.h"
#include "tessarin/framework/Timer.h"

namespace tessarin {

void ApplyIdleSteps(std::uint64_t steps) {
  constexpr std::uint64_t kMostMs = std::numeric_limits<std::uint32_t>::max();
  steps = std::min(steps, kMostCatchUpSteps);
  while (steps > 0) {
    // Until the next timer is due the steps only count, so they go together; the due step
    // closes the run, and its timers fire with the counter as that step left it.
    const std::optional<std::uint32_t> due = Timer::StepsUntilDue(kIdleStepMs);
    const std::uint64_t run = due ? std::min<std::uint64_t>(*due, steps) : steps;
    // The counter runs modulo a second, so whole seconds leave it where it is.
    Application::AdvanceIdleMilliseconds(static_cast<int>(run % 100 * kIdleStepMs));
    Timer::TickTimers(static_cast<std::uint32_t>(std::min(run * kIdleStepMs, kMostMs)));
    steps -= run;
    if (Application::QuitRequested() || Application::Timers().empty()) return;
  }
}

}  // namespace tessarin
