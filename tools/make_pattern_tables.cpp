// Writes a table of the solvers to a file for the build to link into the program: the pattern
// tables of the 4 x 4 search, group after group in the order of kPatternGroups
// (src/game/PatternTables.S), or with --three-by-three the distances of every 3 x 3 board
// (src/game/ThreeByThreeTable.S). The file appears complete or not at all: written beside its
// place and renamed, so an interrupted build never links a short table.
// Usage: tessarin_make_pattern_tables [--three-by-three] <output file>
#include <cstdio>
#include <string>

#include "game/PatternBuild.h"
#include "game/PatternTables.h"
#include "game/ThreeByThreeTable.h"

namespace {

bool Write(std::FILE* file, const std::vector<std::uint8_t>& bytes) {
  return !bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WritePatternTables(std::FILE* file) {
  bool written = true;
  for (const auto& partition : kPatternGroups) {
    for (const std::vector<int>& group : partition) {
      written = written && Write(file, BuildPatternTable(group));
    }
  }
  return written;
}

bool WriteThreeByThreeTable(std::FILE* file) {
  return Write(file, BuildThreeByThreeTable());
}

bool WriteTables(const std::string& path, bool (*writeTo)(std::FILE*)) {
  const std::string partial = path + ".partial";
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (!file) return false;
  const bool written = writeTo(file);
  if (std::fclose(file) == 0 && written && std::rename(partial.c_str(), path.c_str()) == 0) {
    return true;
  }
  std::remove(partial.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const bool threeByThree = argc == 3 && std::string(argv[1]) == "--three-by-three";
  if (argc != 2 && !threeByThree) {
    std::fprintf(stderr, "usage: %s [--three-by-three] <output file>\n", argv[0]);
    return 2;
  }
  const char* path = argv[argc - 1];
  if (!WriteTables(path, threeByThree ? WriteThreeByThreeTable : WritePatternTables)) {
    std::perror(path);
    return 1;
  }
  return 0;
}
