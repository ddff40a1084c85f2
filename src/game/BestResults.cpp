#include "game/BestResults.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "util/ScoreTable.h"

namespace {

// A table line longer than this would end the table's read: the score, a blank and the name
// stay far below it.
constexpr std::size_t kLongestName = 64;
constexpr char kNobody[] = "player";

std::string Printable(std::string name) {
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  if (name.size() > kLongestName) name.resize(kLongestName);
  return name;
}

bool PrintTable(std::FILE* out, const char* heading, const char* tableName) {
  ScoreTable table(tableName);
  const std::vector<std::string> lines = table.ReadScores();
  std::fprintf(out, "%s\n", heading);
  for (const std::string& line : lines) std::fprintf(out, "  %s\n", line.c_str());
  if (lines.empty()) std::fprintf(out, "  (none yet)\n");
  return !table.HasError();
}

}  // namespace

std::string LoginPlayerName() {
  const passwd* entry = getpwuid(getuid());
  if (entry == nullptr) return kNobody;
  std::string fullName = entry->pw_gecos != nullptr ? entry->pw_gecos : "";
  fullName = fullName.substr(0, fullName.find(','));
  std::string name = Printable(fullName.empty() ? std::string(entry->pw_name) : fullName);
  return name.find_first_not_of(' ') == std::string::npos ? kNobody : name;
}

bool RecordBestResult(int moves, int seconds, const std::string& player) {
  const std::string name = Printable(player);
  const bool movesKept = ScoreTable(kMovesTableName).AddScore(moves, name);
  const bool timeKept = ScoreTable(kTimeTableName).AddScore(seconds, name);
  return movesKept && timeKept;
}

int PrintBestResults(std::FILE* out) {
  const bool movesRead = PrintTable(out, "Fewest moves:", kMovesTableName);
  const bool timeRead = PrintTable(out, "Shortest time (seconds):", kTimeTableName);
  return movesRead && timeRead ? 0 : 1;
}
