// How a best-result table's lines become the rows the statistics window shows.
#include "game/ScoreRows.h"

#include <gtest/gtest.h>

namespace {

TEST(ScoreRows, SecondsShowAsMinutesAndTwoDigitSeconds) {
  const std::pair<long, const char*> cases[] = {{0, "0:00"},  {9, "0:09"},     {59, "0:59"},
                                                {60, "1:00"}, {3599, "59:59"}, {6001, "100:01"},
                                                {-5, "0:00"}};
  for (const auto& [seconds, shown] : cases) EXPECT_EQ(FormatSeconds(seconds), shown) << seconds;
}

TEST(ScoreRows, LinesBecomeRankedRowsAndADamagedLineShowsWhatItHolds) {
  const std::vector<std::string> lines = {"00000042 Ada Lovelace", "00000125 Bruno", "00000007",
                                          "garbage here", ""};
  const std::vector<ScoreRow> moves = ToScoreRows(lines, ScoreKind::Moves);
  const std::vector<ScoreRow> expected = {{"1.", "42", "Ada Lovelace"},
                                          {"2.", "125", "Bruno"},
                                          {"3.", "7", ""},
                                          {"4.", "garbage", "here"},
                                          {"5.", "", ""}};
  ASSERT_EQ(moves.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(moves[i].rank, expected[i].rank) << i;
    EXPECT_EQ(moves[i].score, expected[i].score) << i;
    EXPECT_EQ(moves[i].name, expected[i].name) << i;
  }
  const std::vector<ScoreRow> times = ToScoreRows(lines, ScoreKind::Seconds);
  EXPECT_EQ(times[1].score, "2:05");
  EXPECT_EQ(times[3].score, "garbage");
}

}  // namespace
