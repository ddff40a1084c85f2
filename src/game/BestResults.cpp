#include "game/BestResults.h"

#include <pwd.h>
#include <unistd.h>

#include <utility>

#include "game/ScoreRows.h"
#include "tessarin/util/ScoreTable.h"
#include "tessarin/util/TextUtils.h"

using namespace tessarin;

namespace {

// A table line longer than this would end the table's read: the score, a blank and the name
// stay far below it.
constexpr std::size_t kLongestName = 64;
constexpr char kNobody[] = "player";
// Wide enough for ranks up to "10." and times up to "999:59".
constexpr std::size_t kRankWidth = 3;
constexpr std::size_t kScoreWidth = 6;

void PrintRow(std::FILE* out, const ScoreRow& row) {
  std::fprintf(out, "  %s %s  %s\n", PadLeft(row.rank, ' ', kRankWidth).c_str(),
               PadLeft(row.score, ' ', kScoreWidth).c_str(), row.name.c_str());
}

bool PrintTable(std::FILE* out, std::FILE* errors, const char* heading, const char* tableName,
                ScoreKind kind) {
  ScoreTable table(tableName);
  const std::vector<ScoreRow> rows = ToScoreRows(table.ReadScores(), kind);
  std::fprintf(out, "%s\n", heading);
  for (const ScoreRow& row : rows) PrintRow(out, row);
  if (table.HasError()) {
    std::fprintf(errors, "tessarin: %s\n", table.Problem().c_str());
    return false;
  }
  if (rows.empty()) std::fprintf(out, "  (none yet)\n");
  return true;
}

// Cut between two characters, so that a name never ends in half of one.
std::string PlayerName(const std::string& name) {
  return CutUtf8(PrintableUtf8(name), kLongestName);
}

}  // namespace

std::string LoginPlayerName() {
  const passwd* entry = getpwuid(getuid());
  if (entry == nullptr) return kNobody;
  std::string fullName = entry->pw_gecos != nullptr ? entry->pw_gecos : "";
  fullName = fullName.substr(0, fullName.find(','));
  std::string name = PlayerName(fullName.empty() ? std::string(entry->pw_name) : fullName);
  return name.find_first_not_of(' ') == std::string::npos ? kNobody : name;
}

std::vector<std::string> RecordBestResult(int moves, int seconds, const std::string& player) {
  const std::string name = PlayerName(player);
  std::vector<std::string> problems;
  const std::pair<const char*, int> wins[] = {{kMovesTableName, moves}, {kTimeTableName, seconds}};
  for (const auto& [tableName, score] : wins) {
    ScoreTable table(tableName);
    if (!table.AddScore(score, name)) problems.push_back(table.Problem());
  }
  return problems;
}

int PrintBestResults(std::FILE* out, std::FILE* errors) {
  const bool movesRead =
      PrintTable(out, errors, "Fewest moves:", kMovesTableName, ScoreKind::Moves);
  const bool timeRead =
      PrintTable(out, errors, "Shortest time:", kTimeTableName, ScoreKind::Seconds);
  return movesRead && timeRead ? 0 : 1;
}
