#include "util/ScoreTable.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "util/FileUtils.h"
#include "util/TextFile.h"
#include "util/TextUtils.h"

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

ScoreTable::ScoreTable(std::string name) : name(std::move(name)) {}

std::string ScoreTable::ScoreFolder() const {
  std::string folder = WithTrailingSlash(DataFolder()) + name;
  if (!EnsureFolder(folder)) return "";
  folder = WithTrailingSlash(folder) + kScoreSubfolder;
  if (!EnsureFolder(folder)) return "";
  return WithTrailingSlash(folder);
}

std::vector<std::string> ScoreTable::ReadScores() {
  error = false;
  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    error = true;
    return {};
  }
  const std::string path = folder + kScoreFile;
  if (!FileExists(path)) return {};
  TextFile file(path);
  std::vector<std::string> lines = file.ReadLines(kMaxTableBytes);
  error = file.Failed() && !file.NotFound();
  std::for_each(lines.begin(), lines.end(), DropCarriageReturnEnding);
  return lines;
}

bool ScoreTable::WriteScores(std::vector<std::string> lines) {
  error = false;
  if (std::any_of(lines.begin(), lines.end(), HoldsLineBreak)) return false;
  std::sort(lines.begin(), lines.end());
  if (lines.size() > kKeptLines) lines.resize(kKeptLines);
  const std::string folder = ScoreFolder();
  if (folder.empty()) {
    error = true;
    return false;
  }
  // Written beside the table and renamed over it: a write cut short leaves the old table.
  TextFile file(folder + kScoreFile);
  if (!file.WriteLines(lines)) error = true;
  return !error;
}

bool ScoreTable::AddScore(long score, const std::string& playerName) {
  if (HoldsLineBreak(playerName)) return false;
  std::vector<std::string> lines = ReadScores();
  if (error) return false;
  // A line break still inside an old line comes from a damaged file; written back it would
  // split into other lines, and refusing it would refuse every result from now on.
  lines.erase(std::remove_if(lines.begin(), lines.end(), HoldsLineBreak), lines.end());
  lines.push_back(ScoreField(score) + " " + playerName);
  return WriteScores(std::move(lines));
}
