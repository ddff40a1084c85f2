// The settings file, on real files in a scratch folder: what a player saved comes back, a
// missing file is the defaults without a word, and anything else that is not our file is the
// defaults with one line in the log that says why.
#include "game/GameSettings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace {

TEST(GameSettings, WhatWasSavedComesBackAndAnythingElseMeansTheDefaults) {
  struct Case {
    const char* name;
    // Null: no file; "fifo": a FIFO at the name.
    const char* text;
    GameSettings expected;
    bool logged;
  };
  const GameSettings defaults;
  const std::string tooLarge(2000, 'x');
  const std::vector<Case> cases = {
      {"missing", nullptr, defaults, false},
      {"saved", "size=5\nrowslides=yes\n", {5, true}, false},
      {"size alone", "size=3\n", {3, false}, false},
      {"empty", "", defaults, false},
      {"a side too large", "size=7\nrowslides=yes\n", defaults, true},
      {"a side that is no number", "size=5x5\n", defaults, true},
      {"no setting", "Moves 5x5\n", defaults, true},
      {"a value of neither kind", "rowslides=maybe\n", defaults, true},
      {"too large to be ours", tooLarge.c_str(), defaults, true},
      {"fifo", "fifo", defaults, true},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    const LogCapture log;
    if (test.text != nullptr && std::string(test.text) == "fifo") {
      ASSERT_EQ(mkfifo(kSettingsFileName, 0644), 0);
    } else if (test.text != nullptr) {
      WriteFileText(kSettingsFileName, test.text);
    }
    EXPECT_EQ(LoadGameSettings(), test.expected);
    const std::string logged = log.Text();
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), test.logged ? 1 : 0) << logged;
  }
}

}  // namespace
