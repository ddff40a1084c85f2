#include "game/ScoreRows.h"

#include <cstdlib>

#include "util/TextUtils.h"

std::string FormatSeconds(long seconds) {
  if (seconds < 0) seconds = 0;
  return ToString(seconds / 60) + ":" + IntToString(seconds % 60, '0', 2);
}

namespace {
// The score without its leading zeros; false when the field is not all digits.
bool ParseScore(const std::string& field, long& score) {
  if (field.empty() || field.size() > 9) return false;
  for (char c : field) {
    if (c < '0' || c > '9') return false;
  }
  score = std::strtol(field.c_str(), nullptr, 10);
  return true;
}

ScoreRow RowOf(const std::string& line, std::size_t index, ScoreKind kind) {
  const std::size_t blank = line.find(' ');
  const std::string field = line.substr(0, blank);
  ScoreRow row{ToString(static_cast<long>(index + 1)) + ".", field, ""};
  if (blank != std::string::npos) row.name = line.substr(blank + 1);
  long score = 0;
  if (ParseScore(field, score)) {
    row.score = kind == ScoreKind::Seconds ? FormatSeconds(score) : ToString(score);
  }
  return row;
}
}  // namespace

std::vector<ScoreRow> ToScoreRows(const std::vector<std::string>& lines, ScoreKind kind) {
  std::vector<ScoreRow> rows;
  rows.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) rows.push_back(RowOf(lines[i], i, kind));
  return rows;
}
