// An invisible child that calls a function at a fixed interval. It has no thread and no
// system timer: the event loop advances every running timer by 10 ms each time it has waited
// 10 ms without an X event, so an interval counts idle time in 10 ms steps.
#pragma once

#include <cstdint>

#include "framework/Child.h"

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

  // Advances every running timer, in registration order, by ms of idle time.
  static void TickTimers(std::uint32_t ms);

 private:
  void Advance(std::uint32_t ms);

  bool running = false;
  std::uint32_t interval;
  std::uint32_t elapsed = 0;
  TickCallback onTick = nullptr;
};
