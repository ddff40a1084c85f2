// The names the game writes into its best-result tables, on real files in a scratch folder.
#include "game/BestResults.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace {

// A name is written as it will be shown: no byte in it can drive a terminal, and the length
// limit falls between two characters, where it once halved a letter.
TEST(BestResults, ANameIsWrittenPrintableAndCutBetweenTwoCharacters) {
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
  ASSERT_TRUE(inside.Entered());
  std::string accents;
  for (int i = 0; i < 40; ++i) accents += "\xC3\xA9";
  const std::pair<std::string, std::string> names[] = {
      {"Eve\x1B]0;t\x07\n\xC2\x9B\xFF", "Eve?]0;t????"},
      {accents, accents.substr(0, 64)},
      {"a" + accents, "a" + accents.substr(0, 62)},
  };
  std::string expected;
  for (std::size_t i = 0; i < std::size(names); ++i) {
    const int moves = static_cast<int>(i) + 1;
    EXPECT_TRUE(RecordBestResult(moves, 60, names[i].first).empty()) << i;
    expected += "0000000" + std::to_string(moves) + " " + names[i].second + "\n";
  }
  EXPECT_EQ(FileText("Data/Moves/Score/Classifica.txt"), expected);
}

}  // namespace
