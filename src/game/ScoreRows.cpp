#include "game/ScoreRows.h"

#include "tessarin/util/ScoreTable.h"
#include "tessarin/util/TextUtils.h"

using namespace tessarin;

std::string FormatSeconds(long seconds) {
  if (seconds < 0) seconds = 0;
  return ToString(seconds / 60) + ":" + IntToString(seconds % 60, '0', 2);
}

namespace {
ScoreRow RowOf(const ScoreEntry& entry, std::size_t rank, ScoreKind kind) {
  return {ToString(static_cast<long>(rank)) + ".",
          kind == ScoreKind::Seconds ? FormatSeconds(entry.score) : ToString(entry.score),
          PrintableUtf8(entry.name)};
}
}  // namespace

std::vector<ScoreRow> ToScoreRows(const std::vector<std::string>& lines, ScoreKind kind) {
  std::vector<ScoreRow> rows;
  rows.reserve(lines.size());
  for (const std::string& line : lines) {
    const auto entry = ParseScoreLine(line);
    if (entry) rows.push_back(RowOf(*entry, rows.size() + 1, kind));
  }
  return rows;
}
