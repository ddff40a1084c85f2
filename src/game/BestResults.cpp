#include "game/BestResults.h"

#include <pwd.h>
#include <unistd.h>

#include <utility>

#include "game/ScoreRows.h"
#include "tessarin/util/FileUtils.h"
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

// A table's heading: the 4 x 4 ones as they have always read, the others with their size.
std::string Heading(const char* what, int side) {
  if (side == 4) return std::string(what) + ":";
  const std::string n = std::to_string(side);
  return std::string(what) + ", " + n + " x " + n + ":";
}

struct PrintedTable {
  bool readable = true;
  bool printed = false;
};

// Prints the table under its heading; one of another size than 4 x 4 only when it has a result
// or cannot be read. A size never played has no folder, and asking for none makes none.
PrintedTable PrintTable(std::FILE* out, std::FILE* errors, const std::string& heading,
                        const std::string& tableName, ScoreKind kind, bool evenEmpty) {
  if (!evenEmpty && !FileExists("Data/" + tableName)) return {};
  ScoreTable table(tableName);
  const std::vector<ScoreRow> rows = ToScoreRows(table.ReadScores(), kind);
  if (rows.empty() && !table.HasError() && !evenEmpty) return {};
  std::fprintf(out, "%s\n", heading.c_str());
  for (const ScoreRow& row : rows) PrintRow(out, row);
  if (table.HasError()) {
    std::fprintf(errors, "tessarin: %s\n", table.Problem().c_str());
    return {false, true};
  }
  if (rows.empty()) std::fprintf(out, "  (none yet)\n");
  return {true, true};
}

std::string TableName(const char* base, int side) {
  if (side == 4) return base;
  const std::string n = std::to_string(side);
  return std::string(base) + " " + n + "x" + n;
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

std::string MovesTableName(int side) {
  return TableName(kMovesTableName, side);
}

std::string TimeTableName(int side) {
  return TableName(kTimeTableName, side);
}

std::vector<std::string> RecordBestResult(int side, int moves, int seconds,
                                          const std::string& player) {
  const std::string name = PlayerName(player);
  std::vector<std::string> problems;
  const std::pair<std::string, int> wins[] = {{MovesTableName(side), moves},
                                              {TimeTableName(side), seconds}};
  for (const auto& [tableName, score] : wins) {
    ScoreTable table(tableName);
    if (!table.AddScore(score, name)) problems.push_back(table.Problem());
  }
  return problems;
}

int PrintBestResults(std::FILE* out, std::FILE* errors) {
  bool allRead = true;
  for (int side : {4, 3, 5, 6}) {
    const bool always = side == 4;
    const PrintedTable moves = PrintTable(out, errors, Heading("Fewest moves", side),
                                          MovesTableName(side), ScoreKind::Moves, always);
    // A size's time table shows whenever its moves table did: a win goes into both.
    const PrintedTable time =
        PrintTable(out, errors, Heading("Shortest time", side), TimeTableName(side),
                   ScoreKind::Seconds, always || moves.printed);
    allRead = allRead && moves.readable && time.readable;
  }
  return allRead ? 0 : 1;
}
