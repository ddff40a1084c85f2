// The score table over a fuzzed "Classifica.txt" and a fuzzed new result: read, add, write.
// Every well-formed line (eight digits, a blank, a name without a line break) that ranks among
// the ten best of the old entries and the new one is still in the table afterwards, the table
// is sorted and holds at most ten lines, and a refused addition leaves the file as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/util/ScoreTable.h"
#include "tessarin/util/TextFile.h"

using namespace tessarin;

namespace {

using fuzz::Require;
using Lines = std::vector<std::string>;
constexpr const char* kTable = "Data/Fuzz/Score/Classifica.txt";

bool WellFormed(const std::string& line) {
  if (line.size() < 9 || line[8] != ' ') return false;
  if (!std::all_of(line.begin(), line.begin() + 8, [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  return line.find_first_of("\r\n") == std::string::npos;
}

// The entries a file holds: a CRLF ending counts as LF, and a line that still holds a line
// break is damaged and is no entry.
Lines Entries(Lines lines) {
  for (std::string& line : lines)
    if (!line.empty() && line.back() == '\r') line.pop_back();
  lines.erase(std::remove_if(lines.begin(), lines.end(),
                             [](const std::string& line) {
                               return line.find_first_of("\r\n") != std::string::npos;
                             }),
              lines.end());
  return lines;
}

// A score of more than eight digits keeps its last eight.
std::string ScoreField(long score) {
  const std::string padded = std::string(8, '0') + std::to_string(score);
  return padded.substr(padded.size() - 8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const long score = input.ConsumeIntegralInRange<long>(0, 999999999);
  const std::string name = input.ConsumeRandomLengthString(40);
  const std::string content = input.ConsumeBytesAsString(input.remaining_bytes());

  ScoreTable table("Fuzz");
  Require(!table.ScoreFolder().empty(), "the score folder can be made");
  fuzz::WriteBytes(kTable, content);
  const Lines before = TextFile(kTable).ReadLines();
  const std::string newLine = ScoreField(score) + " " + name;

  const bool added = table.AddScore(score, name);
  const Lines after = TextFile(kTable).ReadLines();
  if (!added) {
    Require(fuzz::ReadBytes(kTable) == content, "a refused result leaves the file as it was");
    Require(!WellFormed(newLine), "a well-formed result is never refused");
    return 0;
  }
  Require(after.size() <= 10 && std::is_sorted(after.begin(), after.end()),
          "the table is sorted and holds ten lines at most");
  Lines ranked = Entries(before);
  ranked.push_back(newLine);
  std::sort(ranked.begin(), ranked.end());
  if (ranked.size() > 10) ranked.resize(10);
  for (const std::string& line : ranked)
    if (WellFormed(line))
      Require(std::find(after.begin(), after.end(), line) != after.end(),
              "every well-formed line among the ten best stays");
  return 0;
}
