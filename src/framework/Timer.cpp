#include "framework/Timer.h"

#include <algorithm>
#include <vector>

#include "app/Application.h"

Timer::Timer(GUIElement* container, std::uint32_t intervalMs) : interval(intervalMs) {
  type = "timer";
  text = "timer";
  focusable = false;
  width = 0;
  height = 0;
  parent = container;
  Application::RegisterTimer(this);
}

Timer::~Timer() {
  running = false;
}

void Timer::Create() {
  if (created) return;
  if (id == 0) id = Application::NextElementId();
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
  elapsed += ms;
  if (elapsed < interval) return;
  elapsed = 0;
  if (onTick != nullptr) onTick(this);
}

void Timer::TickTimers(std::uint32_t ms) {
  // A tick handler may create or destroy timers: walk a snapshot and skip any timer that has
  // left the registry in the meantime.
  std::vector<Timer*> snapshot = Application::Timers();
  for (Timer* timer : snapshot) {
    const auto& live = Application::Timers();
    if (std::find(live.begin(), live.end(), timer) != live.end()) timer->Advance(ms);
  }
}
