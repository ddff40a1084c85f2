// An invisible child that calls a function at a fixed interval. It has no thread and no
// system timer: the event loop advances every running timer by each whole 10 ms it has waited
// without an X event, so an interval counts idle time in 10 ms steps. The loop asks when the
// first punctual timer is due and sleeps until then. A deferrable timer's ticks need not come
// on time: the loop does not wake for it, and the steps that passed while it slept fire it on
// the next wake-up, in the same order and with the same counts as punctual ticks.
#pragma once

#include <cstdint>
#include <optional>

#include "tessarin/framework/Child.h"

namespace tessarin {

class Timer : public Child {
 public:
  using TickCallback = void (*)(Timer* timer);

  Timer(GUIElement* container, std::uint32_t intervalMs);
  ~Timer() override;

  void Create() override;
  void Start();
  void Stop();
  void SetInterval(std::uint32_t ms);
  std::uint32_t GetInterval() const { return interval; }
  bool IsRunning() const { return running; }
  std::uint32_t GetElapsed() const { return elapsed; }
  void SetOnTick(TickCallback callback) { onTick = callback; }
  // For a timer whose ticks show nothing, so that an idle program need not wake for them.
  void SetDeferrable(bool on) { deferrable = on; }
  bool IsDeferrable() const { return deferrable; }

  // Advances every running timer, in registration order, by ms of idle time. A timer whose
  // count reaches its interval fires once and drops the excess, however many steps ms holds.
  static void TickTimers(std::uint32_t ms);

  // How many idle steps of stepMs must pass before the first running timer fires (at least
  // one); none while no timer runs.
  static std::optional<std::uint32_t> StepsUntilDue(std::uint32_t stepMs);

  // The same for the punctual timers alone: how long the loop may sleep before it must wake.
  static std::optional<std::uint32_t> StepsUntilPunctualDue(std::uint32_t stepMs);

 private:
  void Advance(std::uint32_t ms);
  std::uint32_t StepsUntilFiring(std::uint32_t stepMs) const;
  static std::optional<std::uint32_t> EarliestDue(std::uint32_t stepMs, bool punctualOnly);

  bool running = false;
  std::uint32_t interval;
  std::uint32_t elapsed = 0;
  TickCallback onTick = nullptr;
  bool deferrable = false;
};

}  // namespace tessarin
