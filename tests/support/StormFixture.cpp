// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "support/StormFixture.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

#include "support/ProcessProbe.h"

namespace {

constexpr int kMemoryCheckpoint = 1000;
constexpr double kMemoryGrowthAllowed = 0.10;
constexpr std::chrono::seconds kPatience{15};
constexpr std::chrono::seconds kPatienceUnderWrapper{120};

std::string DescribeStatus(int status) {
  if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  return "ended with status " + std::to_string(WEXITSTATUS(status));
}

// A line of a sanitizer's or valgrind's report of an error, if the text holds one.
std::string FirstErrorReport(const std::string& errors) {
  std::istringstream lines(errors);
  for (std::string line; std::getline(lines, line);) {
    const bool sanitizer = line.find("Sanitizer") != std::string::npos ||
                           line.find("runtime error:") != std::string::npos;
    const bool valgrind = line.find("ERROR SUMMARY:") != std::string::npos &&
                          line.find("ERROR SUMMARY: 0 errors") == std::string::npos;
    // The programs log an X error, or a paint with no window to draw on, and go on; either is a
    // fault of theirs all the same: a window drawn on after it went, say.
    const bool xError =
        line.rfind("X error ", 0) == 0 || line.rfind("Errore nella creazione del GC", 0) == 0;
    if (sanitizer || valgrind || xError) return line;
  }
  return "";
}

}  // namespace

StormSettings StormSettings::FromEnvironment() {
  StormSettings settings;
  if (const char* seed = std::getenv("TESSARIN_STORM_SEED")) {
    settings.seed = std::strtoull(seed, nullptr, 10);
  } else {
    settings.seed =
        (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  if (const char* inputs = std::getenv("TESSARIN_STORM_INPUTS")) {
    settings.inputs = std::max(1, std::atoi(inputs));
  }
  if (const char* under = std::getenv("TESSARIN_STORM_UNDER")) {
    std::istringstream words(under);
    for (std::string word; words >> word;) settings.wrapper.push_back(word);
  }
  return settings;
}

bool StormSettings::JudgesResidentMemory() const {
#if defined(__SANITIZE_ADDRESS__)
  return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return false;
#endif
#endif
  return wrapper.empty();
}

std::chrono::milliseconds StormSettings::Patience() const {
  return wrapper.empty() ? kPatience : kPatienceUnderWrapper;
}

StormFixture::StormFixture(const std::string& binary, const std::string& sourceDir,
                           const std::vector<std::string>& dataFiles, StormPlan plan)
    : program(binary, sourceDir, dataFiles), plan(std::move(plan)) {}

void StormFixture::SetUp() {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr)
      << "X tests need the private server: run them through tools/run-with-xvfb.sh";
  ASSERT_TRUE(screen.IsOpen()) << "cannot open the test X server";
  std::cout << "[  storm   ] seed " << settings.seed << ", " << settings.inputs
            << " inputs; replay with TESSARIN_STORM_SEED=" << settings.seed << std::endl;
  RecordProperty("storm_seed", std::to_string(settings.seed));
  // The storm maps its extra keys before the program reads the keyboard map.
  storm.emplace(screen, plan, settings.seed);
  if (!settings.wrapper.empty()) program.RunUnder(settings.wrapper);
}

void StormFixture::TearDown() {
  if (HasFailure()) std::cout << program.Output();
  program.KillAndReap();
}

bool StormFixture::WaitUntil(const std::function<bool()>& condition) const {
  return waiting::WaitUntil(condition, settings.Patience());
}

::testing::AssertionResult StormFixture::Start(const std::string& mainTitle,
                                               const std::function<bool()>& drawn) {
  if (!program.Start()) return ::testing::AssertionFailure() << "cannot start the program";
  const bool shown = WaitUntil([&] {
    for (const WindowFacts& window : WindowsOf(screen, program.Pid())) {
      if (window.name.rfind(mainTitle, 0) == 0) mainWindow = window.id;
    }
    return mainWindow != 0;
  });
  if (!shown) return ::testing::AssertionFailure() << "the main window never appeared";
  if (!WaitUntil(drawn)) return ::testing::AssertionFailure() << "the window was never drawn";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult StormFixture::RunStorm() {
  const int checkpoint = std::min(kMemoryCheckpoint, settings.inputs / 2);
  long atCheckpoint = 0;
  const auto start = std::chrono::steady_clock::now();
  storm->Attach(program.Pid(), settings.Patience());
  while (storm->Sent() < settings.inputs) {
    const bool idle = storm->Step();
    if (!program.IsRunning()) {
      const auto status = program.WaitForExit();
      return ::testing::AssertionFailure()
             << "the program " << DescribeStatus(status.value_or(0)) << " at input "
             << storm->Sent() << "; the last inputs:\n"
             << storm->Recent();
    }
    if (!idle) {
      return ::testing::AssertionFailure()
             << "the program did not come back to wait for input after input " << storm->Sent()
             << "; the last inputs:\n"
             << storm->Recent();
    }
    if (storm->Sent() == checkpoint) atCheckpoint = ResidentKilobytes(program.Pid()).value_or(0);
  }
  if (!storm->Finish()) return ::testing::AssertionFailure() << "no idle after the storm";
  const long atEnd = ResidentKilobytes(program.Pid()).value_or(0);
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  std::cout << "[  storm   ] " << settings.inputs << " inputs in " << seconds.count()
            << " s; resident " << atCheckpoint << " kB after " << checkpoint << ", " << atEnd
            << " kB after " << settings.inputs
            << "\n[  storm   ] inputs while open: " << storm->Coverage() << std::endl;
  RecordProperty("storm_seconds", std::to_string(seconds.count()));
  RecordProperty("storm_resident_kb", std::to_string(atCheckpoint) + " " + std::to_string(atEnd));
  if (!settings.JudgesResidentMemory()) return ::testing::AssertionSuccess();
  if (atCheckpoint <= 0 || atEnd > atCheckpoint * (1 + kMemoryGrowthAllowed)) {
    return ::testing::AssertionFailure()
           << "resident memory went from " << atCheckpoint << " kB after " << checkpoint
           << " inputs to " << atEnd << " kB after " << settings.inputs;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult StormFixture::NoChildLeft() {
  return program.NoChildLeft();
}

::testing::AssertionResult StormFixture::CloseDialogs() {
  const auto dialogs = [this] {
    std::vector<Window> found;
    for (const WindowFacts& window : WindowsOf(screen, program.Pid())) {
      if (window.id != mainWindow) found.push_back(window.id);
    }
    return found;
  };
  // A close request may bring up another window (a question); ask again until none is left.
  const bool closed = WaitUntil([&] {
    const std::vector<Window> open = dialogs();
    for (Window dialog : open) screen.SendCloseRequest(dialog);
    for (Window dialog : open) screen.WaitUntilGone(dialog);
    return dialogs().empty();
  });
  if (closed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << dialogs().size() << " windows would not close";
}

std::optional<WindowFacts> StormFixture::WaitForDialog(const std::string& title) const {
  std::optional<WindowFacts> found;
  WaitUntil([&] {
    for (const WindowFacts& window : WindowsOf(screen, program.Pid())) {
      if (window.isDialog && window.name == title) found = window;
    }
    return found.has_value();
  });
  return found;
}

::testing::AssertionResult StormFixture::EndsCleanly() {
  const auto status = program.WaitForExit(settings.Patience());
  if (!status) return ::testing::AssertionFailure() << "the program did not end";
  if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
    return ::testing::AssertionFailure() << "the program " << DescribeStatus(*status);
  }
  const std::string report = FirstErrorReport(program.ErrorOutput() + program.Output());
  if (!report.empty()) return ::testing::AssertionFailure() << "an error was reported: " << report;
  return program.NothingLeftRunning();
}
