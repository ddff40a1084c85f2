// How a best-result table is shown, in the statistics window and by --scores alike: each score
// line of a ScoreTable, an 8-digit score, a blank and a name, split into what one row shows.
#pragma once

#include <string>
#include <vector>

struct ScoreRow {
  std::string rank;
  std::string score;
  // UTF-8 that cannot drive a terminal: control characters and broken bytes show as "?".
  std::string name;
};

// Whether a table's scores count moves or seconds, which show as m:ss.
enum class ScoreKind { Moves, Seconds };

// Seconds as m:ss (minutes unbounded); negative counts show as 0:00.
std::string FormatSeconds(long seconds);

// One row per score line, ranked from 1 in file order. Lines that are no score (an empty line,
// a score of letters) are passed over: a hand-edited table must not rank them among the wins.
std::vector<ScoreRow> ToScoreRows(const std::vector<std::string>& lines, ScoreKind kind);
