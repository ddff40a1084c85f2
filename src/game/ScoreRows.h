// How the statistics window reads a best-result table: each line of a ScoreTable, an 8-digit
// score, a blank and a name, split into what one row of the window shows.
#pragma once

#include <string>
#include <vector>

struct ScoreRow {
  std::string rank;
  std::string score;
  std::string name;
};

// Whether a table's scores count moves or seconds, which show as m:ss.
enum class ScoreKind { Moves, Seconds };

// Seconds as m:ss (minutes unbounded); negative counts show as 0:00.
std::string FormatSeconds(long seconds);

// One row per line, ranked from 1 in file order. A line whose first field is no number keeps
// its text as the score, so that a damaged table shows what it holds rather than nothing.
std::vector<ScoreRow> ToScoreRows(const std::vector<std::string>& lines, ScoreKind kind);
