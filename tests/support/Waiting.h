// Waiting for another process: the tests never sleep for a fixed time and never judge a
// duration; they look again and again until what they wait for is there or a generous
// deadline passes.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace waiting {

// Long enough for a sanitized build on a busy two-core machine.
constexpr std::chrono::milliseconds kDeadline{15000};

inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds deadline = kDeadline) {
  const auto giveUpAt = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > giveUpAt) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace waiting
