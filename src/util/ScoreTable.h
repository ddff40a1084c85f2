// The ten best results of one game, kept as text lines in "Classifica.txt" under
// Data/<game>/Score/. A line is the score as 8 digits, a blank and the player's name; lines
// sort byte-wise, so by score and then by name, lower first. The object owns only the game's
// name and the error flag of its last read or write; the file is opened inside each call.
#pragma once

#include <string>
#include <vector>

class ScoreTable {
 public:
  explicit ScoreTable(std::string name);

  // Empty when the file does not exist yet (not an error). The CR of a CRLF ending is dropped.
  // A symbolic link, a special file or a file over 64 KiB at the table's name is an error:
  // nothing is read from it, and AddScore then writes nothing.
  std::vector<std::string> ReadScores();
  // Sorts, keeps the first ten and replaces the file in one step. Refuses lines that hold a
  // line feed or carriage return, which would break the file into other lines.
  bool WriteScores(std::vector<std::string> lines);
  // False when the name holds a line break (nothing is written), when the table cannot be
  // read, or when the new table could not be written. Old lines that still hold a line break
  // (a damaged file) are left out of the new table.
  bool AddScore(long score, const std::string& playerName);
  bool HasError() const { return error; }
  // The folder path ending in "/", the folders made when missing; empty when one cannot be.
  std::string ScoreFolder() const;

 private:
  std::string name;
  bool error = false;
};
