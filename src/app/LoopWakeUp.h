// A wake-up of the event loop that another thread, or a signal handler, may trigger. The loop
// answers it with the toolkit's user message, Form::OnUserMessage of the form the wake-up
// names, as soon as it is idle, whether timers run or not; no tick is needed. A trigger writes
// one byte to a non-blocking pipe that the loop watches beside the X connection: it opens no
// connection of its own, so it works as long as the process does. Triggers that come before
// the loop gets to them are delivered as one.
//
// A wake-up is made and destroyed on the loop's thread; a thread that triggers it must be done
// (joined) before it goes. The form is known by its id, so a wake-up that outlives its form
// delivers nothing.
#pragma once

#include <atomic>
#include <cstdint>

namespace tessarin {

class Form;

class LoopWakeUp {
 public:
  explicit LoopWakeUp(const Form* form);
  ~LoopWakeUp();
  LoopWakeUp(const LoopWakeUp&) = delete;
  LoopWakeUp& operator=(const LoopWakeUp&) = delete;

  // False when the process has no pipe (out of descriptors): a trigger would wake no one.
  bool IsReady() const;

  // Safe on any thread and in a signal handler.
  void Trigger();

  // True once for each delivery of this wake-up: tells the user message it brought from one
  // that came another way (an X client's message, a timer hook that calls OnUserMessage).
  bool TakeArrival();

  // For the event loop: the descriptor that becomes readable when a wake-up is triggered, -1
  // while there is none.
  static int LoopDescriptor();
  // Empties the pipe, then delivers the user message of every wake-up triggered since. A
  // trigger that comes meanwhile leaves its byte for the next wait, so none is lost.
  static void DeliverTriggered();

 private:
  std::uint32_t formId;
  std::atomic<bool> triggered{false};
  // Loop thread only.
  bool arrived = false;
};

}  // namespace tessarin
