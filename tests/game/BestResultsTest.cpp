// The names the game writes into its best-result tables, on real files in a scratch folder.
#include "game/BestResults.h"

#include <gtest/gtest.h>

#include <cstdio>
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
    EXPECT_TRUE(RecordBestResult(4, moves, 60, names[i].first).empty()) << i;
    expected += "0000000" + std::to_string(moves) + " " + names[i].second + "\n";
  }
  EXPECT_EQ(FileText("Data/Moves/Score/Classifica.txt"), expected);
}

// Each size keeps tables of its own; 4 x 4 keeps the ones it always had, and --scores shows
// those first, then every other size that has a result.
TEST(BestResults, EachSizeHasTablesOfItsOwnAndPrintsAfterFourByFour) {
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
  ASSERT_TRUE(inside.Entered());
  EXPECT_TRUE(RecordBestResult(5, 120, 95, "Ann").empty());
  EXPECT_TRUE(RecordBestResult(4, 40, 61, "Bo").empty());
  EXPECT_EQ(FileText("Data/Moves 5x5/Score/Classifica.txt"), "00000120 Ann\n");
  EXPECT_EQ(FileText("Data/Time 5x5/Score/Classifica.txt"), "00000095 Ann\n");
  EXPECT_EQ(FileText("Data/Moves/Score/Classifica.txt"), "00000040 Bo\n");

  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(PrintBestResults(out, stderr), 0);
  std::rewind(out);
  std::string printed;
  for (int c; (c = std::fgetc(out)) != EOF;) printed += static_cast<char>(c);
  std::fclose(out);
  EXPECT_EQ(printed,
            "Fewest moves:\n   1.     40  Bo\n"
            "Shortest time:\n   1.   1:01  Bo\n"
            "Fewest moves, 5 x 5:\n   1.    120  Ann\n"
            "Shortest time, 5 x 5:\n   1.   1:35  Ann\n");
}

}  // namespace
