// What the gallery writes into its cells: the text a box returns, shown so that its blanks and
// line breaks can be seen; a share of a range, also an empty one; the score table's lines; and
// the score read from the numeric box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gallery/GalleryText.h"

namespace {

TEST(GalleryText, ShowsTextsInQuotesWithTheBoxesLineBreaksAsNewLines) {
  EXPECT_EQ(ShownText(""), "\"\"");
  EXPECT_EQ(ShownText("a b"), "\"a b\"");
  EXPECT_EQ(ShownText("one\rtwo\r"), "\"one\ntwo\n\"");
}

TEST(GalleryText, PercentagesCountFromTheMinimumAndAnEmptyRangeIsNothing) {
  struct Case {
    int value, minimum, maximum;
    const char* shown;
  };
  for (const Case& test : std::vector<Case>{{0, 0, 10, "0 %"},
                                            {4, 0, 10, "40 %"},
                                            {10, 0, 10, "100 %"},
                                            {15, 10, 20, "50 %"},
                                            {-5, -10, 0, "50 %"},
                                            {7, 7, 7, "0 %"},
                                            {3, 9, 1, "0 %"},
                                            {2147483647, -2147483647 - 1, 2147483647, "100 %"}}) {
    EXPECT_EQ(PercentText(test.value, test.minimum, test.maximum), test.shown)
        << test.value << " of " << test.minimum << ".." << test.maximum;
  }
}

TEST(GalleryText, TheScoreTableIsItsLinesOrANoteWhenEmpty) {
  EXPECT_EQ(ScoreTableText({"00000100 anna", "00000200 bo"}), "00000100 anna\n00000200 bo");
  const std::string empty = ScoreTableText({});
  EXPECT_NE(empty.find("No scores"), std::string::npos);
  // Two lines: a single line would stand in the middle of the cell, not at its top.
  EXPECT_NE(empty.find('\n'), std::string::npos);
}

TEST(GalleryText, TheScoreIsTheLeadingDigitsOfTheBox) {
  EXPECT_EQ(ScoreFromText("100"), 100);
  EXPECT_EQ(ScoreFromText("00000042"), 42);
  EXPECT_EQ(ScoreFromText(""), 0);
  EXPECT_EQ(ScoreFromText("12ab3"), 12);
  EXPECT_EQ(ScoreFromText("99999999"), 99999999);
  // Never more than the box's eight digits can hold, however long the text.
  EXPECT_LT(ScoreFromText(std::string(40, '9')), 1000000000L);
}

}  // namespace
