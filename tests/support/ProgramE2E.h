// The frame of every end-to-end test: the private server's screen and one of our programs run
// as a player runs it. The program's output is shown when a test fails, and whatever it left
// running is killed when the test ends. Header-only, like Waiting.h.
#pragma once

#include <cstdlib>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ProgramProcess.h"
#include "support/RemoteScreen.h"

class ProgramE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr)
        << "X tests need the private server: run them through tools/run-with-xvfb.sh";
    ASSERT_TRUE(screen.IsOpen()) << "cannot open the test X server";
  }

  void TearDown() override {
    ProgramProcess* program = Program();
    if (program == nullptr) return;
    if (HasFailure()) std::cout << program->Output();
    program->KillAndReap();
  }

  // The program under test; null while there is none.
  virtual ProgramProcess* Program() = 0;

  // Starts the program and waits for a top-level window that was not there before and that
  // matches; its id goes into found.
  ::testing::AssertionResult StartAndFindWindow(
      const std::string& what, const std::function<bool(const WindowFacts&)>& matches,
      Window& found) {
    const std::vector<Window> before = screen.TopLevelWindows();
    const std::set<Window> earlier(before.begin(), before.end());
    if (!Program()->Start()) return ::testing::AssertionFailure() << "cannot start " << what;
    const auto window = screen.WaitForWindow(
        [&](const WindowFacts& facts) { return earlier.count(facts.id) == 0 && matches(facts); });
    if (!window) return ::testing::AssertionFailure() << "the " << what << " window never appeared";
    found = window->id;
    return ::testing::AssertionSuccess();
  }

  RemoteScreen screen;
};
