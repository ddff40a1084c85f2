#include "game/PatternDatabase.h"

#include "game/PuzzleRules.h"

namespace {

constexpr std::uint8_t kUnreached = 0xFF;
// How many ranks are scanned between two looks at the cancel flag.
constexpr std::uint32_t kCancelStride = 1u << 16;

std::size_t PlacementCount(int tiles) {
  std::size_t count = 1;
  for (int i = 0; i < tiles; ++i) count *= static_cast<std::size_t>(kCellCount - i);
  return count;
}

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

// The cells beside cell, -1 where the board ends.
std::array<int, 4> Neighbours(int cell) {
  const int column = cell % kBoardSide;
  return {column != 0 ? cell - 1 : -1, column != kBoardSide - 1 ? cell + 1 : -1,
          cell >= kBoardSide ? cell - kBoardSide : -1,
          cell < kCellCount - kBoardSide ? cell + kBoardSide : -1};
}

}  // namespace

PatternDatabase::PatternDatabase(std::vector<int> tiles)
    : tiles_(std::move(tiles)),
      costs_(PlacementCount(static_cast<int>(tiles_.size())), kUnreached) {}

std::unique_ptr<PatternDatabase> PatternDatabase::Build(const std::vector<int>& tiles,
                                                        const std::atomic<bool>& cancel) {
  std::unique_ptr<PatternDatabase> database(new PatternDatabase(tiles));
  if (!database->Fill(cancel)) return nullptr;
  return database;
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
  int digits[kMaxTiles];
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

// Breadth first from the home placement, one layer per pass over the table: each pass
// expands the placements reached at the previous depth. Scanning costs no queue, so the
// build needs no memory beyond the table itself.
bool PatternDatabase::Fill(const std::atomic<bool>& cancel) {
  int home[kMaxTiles];
  for (int i = 0; i < TileCount(); ++i) home[i] = tiles_[i] - 1;
  costs_[Rank(home, TileCount())] = 0;
  bool grew = true;
  for (std::uint8_t depth = 0; grew; ++depth) {
    if (!ExpandLayer(depth, cancel, grew)) return false;
  }
  return true;
}

bool PatternDatabase::ExpandLayer(std::uint8_t depth, const std::atomic<bool>& cancel, bool& grew) {
  grew = false;
  const int count = TileCount();
  const std::uint32_t size = static_cast<std::uint32_t>(costs_.size());
  int cells[kMaxTiles];
  for (std::uint32_t rank = 0; rank < size; ++rank) {
    if (rank % kCancelStride == 0 && cancel.load(std::memory_order_relaxed)) return false;
    if (costs_[rank] != depth) continue;
    Unrank(rank, count, cells);
    unsigned occupied = 0;
    for (int i = 0; i < count; ++i) occupied |= 1u << cells[i];
    for (int i = 0; i < count; ++i) {
      const int from = cells[i];
      for (int to : Neighbours(from)) {
        if (to < 0 || (occupied & (1u << to))) continue;
        cells[i] = to;
        std::uint8_t& cost = costs_[Rank(cells, count)];
        if (cost == kUnreached) {
          cost = static_cast<std::uint8_t>(depth + 1);
          grew = true;
        }
      }
      cells[i] = from;
    }
  }
  return true;
}
