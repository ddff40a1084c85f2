#include "game/PatternDatabase.h"

#include <cstdlib>

#include "game/PuzzleRules.h"

namespace {

// Set bits of every byte value. A table, because without a popcount instruction the builtin
// becomes a library call, and ranking is the inner loop of both the build and the search.
constexpr std::array<std::uint8_t, 256> BitCounts() {
  std::array<std::uint8_t, 256> counts{};
  for (int i = 1; i < 256; ++i) counts[i] = static_cast<std::uint8_t>((i & 1) + counts[i / 2]);
  return counts;
}
constexpr std::array<std::uint8_t, 256> kBitCounts = BitCounts();

int CellsBelow(unsigned used, int cell) {
  const unsigned below = used & ((1u << cell) - 1u);
  return kBitCounts[below & 0xFFu] + kBitCounts[below >> 8];
}

}  // namespace

PatternDatabase::PatternDatabase(const std::vector<int>& tiles, const std::uint8_t* halfExcess)
    : tiles_(tiles), halfExcess_(halfExcess) {
  for (int i = 0; i < TileCount(); ++i) {
    const int home = tiles_[i] - 1;
    for (int cell = 0; cell < kCellCount; ++cell) {
      distance_[i][cell] =
          static_cast<std::uint8_t>(std::abs(cell / kBoardSide - home / kBoardSide) +
                                    std::abs(cell % kBoardSide - home % kBoardSide));
    }
  }
}

std::size_t PatternDatabase::PlacementsOf(int tiles) {
  std::size_t count = 1;
  for (int i = 0; i < tiles; ++i) count *= static_cast<std::size_t>(kCellCount - i);
  return count;
}

int PatternDatabase::Cost(const int* cells) const {
  const std::uint32_t rank = Rank(cells, TileCount());
  const int halfExcess = (halfExcess_[rank / 2] >> (4 * (rank % 2))) & 0xF;
  return Manhattan(cells) + 2 * halfExcess;
}

int PatternDatabase::Manhattan(const int* cells) const {
  int sum = 0;
  for (int i = 0; i < TileCount(); ++i) sum += distance_[i][cells[i]];
  return sum;
}

std::uint32_t PatternDatabase::Rank(const int* cells, int count) {
  std::uint32_t rank = 0;
  unsigned used = 0;
  for (int i = 0; i < count; ++i) {
    rank = rank * static_cast<std::uint32_t>(kCellCount - i) +
           static_cast<std::uint32_t>(cells[i] - CellsBelow(used, cells[i]));
    used |= 1u << cells[i];
  }
  return rank;
}

void PatternDatabase::Unrank(std::uint32_t rank, int count, int* cells) {
  int digits[kMaxTiles + 1];
  for (int i = count - 1; i >= 0; --i) {
    const std::uint32_t radix = static_cast<std::uint32_t>(kCellCount - i);
    digits[i] = static_cast<int>(rank % radix);
    rank /= radix;
  }
  unsigned used = 0;
  for (int i = 0; i < count; ++i) {
    int cell = 0;
    for (int free = digits[i];; ++cell) {
      if (used & (1u << cell)) continue;
      if (free-- == 0) break;
    }
    cells[i] = cell;
    used |= 1u << cell;
  }
}
