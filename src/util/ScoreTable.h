// The ten best results of one game, kept as text lines in "Classifica.txt" under
// Data/<game>/Score/. A line is the score as 8 digits, a blank and the player's name; lines
// sort byte-wise, so by score and then by name, lower first. The object owns only the game's
// name and the error flag and words of its last call; the file is opened inside each call.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessarin {

struct ScoreEntry {
  long score;
  std::string name;
};

// The score and the name of a line as the table writes it, 8 digits, a blank and a name;
// nothing for any other line. A table edited by hand may hold others: they are read and kept,
// but they are no result.
std::optional<ScoreEntry> ParseScoreLine(const std::string& line);

class ScoreTable {
 public:
  explicit ScoreTable(std::string name);

  // Every line of the file, scores or not; empty when the file does not exist yet (not an
  // error). The CR of a CRLF ending is dropped. A file that is there but cannot be read (no
  // permission, say), a symbolic link, a special file or a file over 64 KiB at the table's
  // name is an error: nothing is read from it, and AddScore then writes nothing.
  std::vector<std::string> ReadScores();
  // Sorts, keeps the first ten and replaces the file in one step. Refuses lines that hold a
  // line feed or carriage return, which would break the file into other lines.
  bool WriteScores(std::vector<std::string> lines);
  // False when the name holds a line break (nothing is written), when the table cannot be
  // read, or when the new table could not be written. Old lines that still hold a line break
  // (a damaged file) are left out of the new table.
  bool AddScore(long score, const std::string& playerName);
  bool HasError() const { return error; }
  // Why the last call failed, in words for a log line: "Score table
  // Data/Moves/Score/Classifica.txt cannot be read: Permission denied". Empty after a success.
  const std::string& Problem() const { return problem; }
  // The folder path ending in "/", the folders made when missing; empty when one cannot be.
  std::string ScoreFolder() const;

 private:
  // The file's path, for the words of a problem; called after ScoreFolder, it makes nothing.
  std::string FilePath() const;
  void Report(const std::string& what);

  std::string name;
  bool error = false;
  std::string problem;
};

}  // namespace tessarin
