// Writes the pattern tables of the shortest-solution search to one file, group after group
// in the order of kPatternGroups, for the build to link into the program
// (src/game/PatternTables.S). The file appears complete or not at all: written beside its
// place and renamed, so an interrupted build never links a short table.
// Usage: tessarin_make_pattern_tables <output file>
#include <cstdio>
#include <string>

#include "game/PatternBuild.h"
#include "game/PatternTables.h"

namespace {

bool WriteTables(const std::string& path) {
  const std::string partial = path + ".partial";
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (!file) return false;
  bool written = true;
  for (const auto& partition : kPatternGroups) {
    for (const std::vector<int>& group : partition) {
      const std::vector<std::uint8_t> bytes = BuildPatternTable(group);
      written = written && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
  }
  written = std::fclose(file) == 0 && written;
  if (written && std::rename(partial.c_str(), path.c_str()) == 0) return true;
  std::remove(partial.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
    return 2;
  }
  if (!WriteTables(argv[1])) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
