#include "game/PatternTables.h"

// Defined by PatternTables.S around the generated file.
extern "C" const std::uint8_t tessarin_pattern_tables[];
extern "C" const std::uint8_t tessarin_pattern_tables_end[];

PatternTableBytes LinkedPatternTables() {
  return {tessarin_pattern_tables,
          static_cast<std::size_t>(tessarin_pattern_tables_end - tessarin_pattern_tables)};
}
