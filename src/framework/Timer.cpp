#include "tessarin/framework/Timer.h"

#include <algorithm>
#include <vector>

#include "tessarin/framework/ElementRegistry.h"

namespace tessarin {

Timer::Timer(GUIElement* container, std::uint32_t intervalMs) : interval(intervalMs) {
  type = "timer";
  text = "timer";
  focusable = false;
  width = 0;
  height = 0;
  parent = container;
  ElementRegistry::RegisterTimer(this);
}

Timer::~Timer() {
  running = false;
}

void Timer::Create() {
  if (created) return;
  if (id == 0) id = ElementRegistry::NextElementId();
  created = true;
}

void Timer::Start() {
  if (running) return;
  Create();
  running = true;
}

void Timer::Stop() {
  running = false;
}

void Timer::SetInterval(std::uint32_t ms) {
  interval = ms;
  if (!running) return;
  Stop();
  Create();
  running = true;
}

void Timer::Advance(std::uint32_t ms) {
  if (!running) return;
  // Compared with what is left of the interval, so that a long span cannot wrap the count.
  if (elapsed < interval && ms < interval - elapsed) {
    elapsed += ms;
    return;
  }
  elapsed = 0;
  if (onTick != nullptr) onTick(this);
}

void Timer::TickTimers(std::uint32_t ms) {
  // A tick handler may create or destroy timers: walk a snapshot and skip any timer that has
  // left the registry in the meantime. The snapshot's storage is kept between calls, since the
  // loop ticks at every wake-up; a call made from a handler finds none kept and takes its own.
  static std::vector<Timer*> kept;
  std::vector<Timer*> snapshot;
  snapshot.swap(kept);
  snapshot.assign(ElementRegistry::Timers().begin(), ElementRegistry::Timers().end());
  for (Timer* timer : snapshot) {
    const auto& live = ElementRegistry::Timers();
    if (std::find(live.begin(), live.end(), timer) != live.end()) timer->Advance(ms);
  }
  snapshot.clear();
  kept.swap(snapshot);
}

std::uint32_t Timer::StepsUntilFiring(std::uint32_t stepMs) const {
  if (elapsed >= interval) return 1;
  const std::uint32_t left = interval - elapsed;
  return left / stepMs + (left % stepMs != 0 ? 1 : 0);
}

std::optional<std::uint32_t> Timer::EarliestDue(std::uint32_t stepMs, bool punctualOnly) {
  std::optional<std::uint32_t> earliest;
  for (const Timer* timer : ElementRegistry::Timers()) {
    if (!timer->running || (punctualOnly && timer->deferrable)) continue;
    const std::uint32_t steps = timer->StepsUntilFiring(stepMs);
    if (!earliest || steps < *earliest) earliest = steps;
  }
  return earliest;
}

std::optional<std::uint32_t> Timer::StepsUntilDue(std::uint32_t stepMs) {
  return EarliestDue(stepMs, false);
}

std::optional<std::uint32_t> Timer::StepsUntilPunctualDue(std::uint32_t stepMs) {
  return EarliestDue(stepMs, true);
}

}  // namespace tessarin
