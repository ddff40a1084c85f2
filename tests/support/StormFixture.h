// The frame of an input-storm test on one of our real programs: the settings a run takes from
// its environment (the seed, how many inputs, a command to run the program under, such as
// valgrind), and a fixture that starts the program with its stand-ins, drives the storm
// through it while watching for a crash, a hang and memory that keeps growing, closes what
// the storm left open and judges how the program ends. The fixture owns the program process
// and the storm; each test adds what its program must still do afterwards.
#pragma once

// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/InputStorm.h"
#include "support/ProgramProcess.h"
#include "support/RemoteScreen.h"

// TESSARIN_STORM_SEED (a fresh one when unset), TESSARIN_STORM_INPUTS (2000 when unset), and
// TESSARIN_STORM_UNDER, the words of a command that runs the program ("valgrind --quiet").
struct StormSettings {
  std::uint64_t seed = 0;
  int inputs = 2000;
  std::vector<std::string> wrapper;

  static StormSettings FromEnvironment();
  // Whether resident memory measures the program: not under AddressSanitizer or valgrind,
  // whose allocators hold freed blocks back for a while and map fresh memory for each size
  // of block, so that their resident size creeps up for thousands of inputs of a program
  // that holds steady on its own. There the leak checks at the end stand in.
  bool JudgesResidentMemory() const;
  // How long the program may take to handle one input, to start or to end: far longer
  // under a wrapper, where every instruction is emulated.
  std::chrono::milliseconds Patience() const;
};

class StormFixture : public ::testing::Test {
 protected:
  // binary run in a scratch folder that holds sourceDir's Data/beep.wav and dataFiles.
  StormFixture(const std::string& binary, const std::string& sourceDir,
               const std::vector<std::string>& dataFiles, StormPlan plan);

  void SetUp() override;
  void TearDown() override;

  // Starts the program and waits for its main window (whose title starts with mainTitle) and
  // then until drawn() holds.
  ::testing::AssertionResult Start(const std::string& mainTitle,
                                   const std::function<bool()>& drawn);
  // Sends the storm's inputs, each handled before the next. Fails at the first crash or
  // hang, and, where it measures the program, when resident memory at the end exceeds that
  // at the checkpoint by over 10 %.
  ::testing::AssertionResult RunStorm();
  // Every child the program started has ended and been collected.
  ::testing::AssertionResult NoChildLeft();
  // Closes every window of the program but the main one, as a window manager does.
  ::testing::AssertionResult CloseDialogs();
  // The program's dialog with this title, once it is there.
  std::optional<WindowFacts> WaitForDialog(const std::string& title) const;
  // The program ended by itself with status 0, without a sanitizer or valgrind error, and
  // nothing it started still runs.
  ::testing::AssertionResult EndsCleanly();
  bool WaitUntil(const std::function<bool()>& condition) const;

  StormSettings settings = StormSettings::FromEnvironment();
  RemoteScreen screen;
  ProgramProcess program;
  Window mainWindow = 0;

 private:
  StormPlan plan;
  std::optional<InputStorm> storm;
};
