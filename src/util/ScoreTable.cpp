#include "tessarin/util/ScoreTable.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "tessarin/util/FileUtils.h"
#include "tessarin/util/TextFile.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {
constexpr const char* kScoreFile = "Classifica.txt";
constexpr const char* kScoreSubfolder = "Score";
constexpr std::size_t kKeptLines = 10;
constexpr std::size_t kScoreDigits = 8;
// Ten lines of a score, a blank and a name: a table larger than this is not one of ours.
constexpr std::int64_t kMaxTableBytes = 64 * 1024;

bool HoldsLineBreak(const std::string& text) {
  return text.find_first_of("\r\n") != std::string::npos;
}

// A table saved with CRLF endings (edited on another system) keeps a CR at the end of every
// line; dropped, the lines read as the same entries and can be written back.
void DropCarriageReturnEnding(std::string& line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

std::string ScoreField(long score) {
  const std::string digits = IntToString(score, '0', kScoreDigits);
  return digits.substr(digits.size() - kScoreDigits);
}
}  // namespace

std::optional<ScoreEntry> ParseScoreLine(const std::string& line) {
  if (line.size() <= kScoreDigits || line[kScoreDigits] != ' ') return std::nullopt;
  const auto digits = line.begin() + kScoreDigits;
  if (!std::all_of(line.begin(), digits, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return ScoreEntry{std::stol(std::string(line.begin(), digits)), line.substr(kScoreDigits + 1)};
}

ScoreTable::ScoreTable(std::string name) : name(std::move(name)) {}

std::string ScoreTable::FilePath() const {
  return WithTrailingSlash(WithTrailingSlash(DataFolder()) + name) + kScoreSubfolder + "/" +
         kScoreFile;
}

void ScoreTable::Report(const std::string& what) {
  problem = "Score table " + FilePath() + " " + what;
}

std::string ScoreTable::ScoreFolder() const {
  std::string folder = WithTrailingSlash(DataFolder()) + name;
  if (!EnsureFolder(folder)) return "";
  folder = WithTrailingSlash(folder) + kScoreSubfolder;
  if (!EnsureFolder(folder)) return "";
  return WithTrailingSlash(folder);
}

std::vector<std::string> ScoreTable::ReadScores() {
  error = false;
  problem.clear();
  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    error = true;
    Report("cannot be read: its folder cannot be made");
    return {};
  }
  // Only a missing file is a table not begun yet. One that is there but cannot be read holds
  // results: taken as empty, the next win would replace them all.
  TextFile file(folder + kScoreFile);
  std::vector<std::string> lines = file.ReadLines(kMaxTableBytes);
  error = file.Failed() && !file.NotFound();
  if (error) Report("cannot be read: " + file.ReadProblem());
  std::for_each(lines.begin(), lines.end(), DropCarriageReturnEnding);
  return lines;
}

bool ScoreTable::WriteScores(std::vector<std::string> lines) {
  error = false;
  problem.clear();
  if (std::any_of(lines.begin(), lines.end(), HoldsLineBreak)) {
    problem = "A line break cannot stand inside a score table's line";
    return false;
  }
  std::sort(lines.begin(), lines.end());
  if (lines.size() > kKeptLines) lines.resize(kKeptLines);
  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    error = true;
    Report("cannot be written: its folder cannot be made");
    return false;
  }
  // Written beside the table and renamed over it: a write cut short leaves the old table.
  TextFile file(folder + kScoreFile);
  if (!file.WriteLines(lines)) {
    error = true;
    Report("cannot be written");
  }
  return !error;
}

bool ScoreTable::AddScore(long score, const std::string& playerName) {
  if (HoldsLineBreak(playerName)) {
    problem = "A name with a line break cannot go into a score table";
    return false;
  }
  std::vector<std::string> lines = ReadScores();
  if (error) return false;
  // A line break still inside an old line comes from a damaged file; written back it would
  // split into other lines, and refusing it would refuse every result from now on.
  lines.erase(std::remove_if(lines.begin(), lines.end(), HoldsLineBreak), lines.end());
  lines.push_back(ScoreField(score) + " " + playerName);
  return WriteScores(std::move(lines));
}

}  // namespace tessarin
