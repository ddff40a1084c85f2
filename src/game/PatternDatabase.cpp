#include "game/PatternDatabase.h"

#include <cstdlib>
#include <cstring>

#include "game/PuzzleRules.h"

namespace {

// How many states are scanned between two looks at the cancel flag.
constexpr std::uint32_t kCancelStride = 1u << 16;
constexpr unsigned kAllCells = (1u << kCellCount) - 1u;
constexpr unsigned kLeftColumn = 0x1111u, kRightColumn = 0x8888u;

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

// The cells of free that the empty cell can reach from region without crossing a group tile.
unsigned Spread(unsigned region, unsigned free) {
  while (true) {
    const unsigned grown =
        (region | ((region << 1) & ~kLeftColumn) | ((region >> 1) & ~kRightColumn) |
         (region << kBoardSide) | (region >> kBoardSide)) &
        free;
    if (grown == region) return region;
    region = grown;
  }
}

// The free cells around a placement split into regions the empty cell cannot leave without
// pushing a group tile. For every set of free cells, this numbers each free cell's region in
// four bits (regions by their lowest cell; six tiles cut the board into at most six).
std::vector<std::uint64_t> RegionNumbers() {
  std::vector<std::uint64_t> numbers(std::size_t{1} << kCellCount);
  for (unsigned free = 0; free <= kAllCells; ++free) {
    std::uint64_t labels = 0;
    int index = 0;
    for (unsigned left = free; left; ++index) {
      const unsigned region = Spread(left & (~left + 1u), free);
      left &= ~region;
      for (int cell = 0; cell < kCellCount; ++cell) {
        if (region & (1u << cell)) labels |= static_cast<std::uint64_t>(index) << (4 * cell);
      }
    }
    numbers[free] = labels;
  }
  return numbers;
}

}  // namespace

// The breadth-first search behind one table. A state is a placement of the group plus the
// free region that holds the empty cell: sliding the empty cell inside its region costs
// nothing, so the region is all that matters. Each state keeps its count modulo 3 in two bits
// (3: not reached), enough to tell the layer being expanded from the one before and the one
// being filled; a placement's six regions take twelve bits, two placements three bytes.
class PatternBuild {
 public:
  explicit PatternBuild(PatternDatabase& table)
      : table_(table),
        count_(table.TileCount()),
        placements_(table.Size()),
        layers_(placements_ * kBitsPerPlacement / 8 + sizeof(std::uint32_t) + 1, 0xFF),
        regionNumbers_(RegionNumbers()) {}

  bool Run(const std::atomic<bool>& cancel) {
    int cells[PatternDatabase::kMaxTiles];
    unsigned occupied = 0;
    for (int i = 0; i < count_; ++i) {
      cells[i] = table_.tiles_[i] - 1;
      occupied |= 1u << cells[i];
    }
    Reach(cells, occupied, kCellCount - 1, 0);
    for (int depth = 0; grew_; ++depth) {
      grew_ = false;
      if (!ExpandLayer(depth, cancel)) return false;
    }
    return true;
  }

 private:
  static constexpr int kBitsPerPlacement = 12;
  static constexpr unsigned kSlotMask = (1u << kBitsPerPlacement) - 1u;
  static constexpr unsigned kLowBits = 0x555u;  // the low bit of each region's two
  static constexpr unsigned kUnreached = 3;

  unsigned Slots(std::size_t placement) const {
    const std::size_t bit = placement * kBitsPerPlacement;
    std::uint32_t word;
    std::memcpy(&word, &layers_[bit / 8], sizeof word);
    return (word >> (bit % 8)) & kSlotMask;
  }

  void SetSlot(std::size_t placement, int region, unsigned layer) {
    const std::size_t bit = placement * kBitsPerPlacement + 2 * static_cast<std::size_t>(region);
    std::uint8_t& byte = layers_[bit / 8];
    const unsigned shift = bit % 8;
    byte = static_cast<std::uint8_t>((byte & ~(3u << shift)) | (layer << shift));
  }

  int RegionOf(unsigned free, int cell) const {
    return static_cast<int>((regionNumbers_[free] >> (4 * cell)) & 0xFu);
  }

  // Reaches the state at depth unless it was reached before.
  void Reach(const int* cells, unsigned occupied, int empty, int depth) {
    const std::uint32_t placement = PatternDatabase::Rank(cells, count_);
    const int region = RegionOf(~occupied & kAllCells, empty);
    if (((Slots(placement) >> (2 * region)) & 3u) != kUnreached) return;
    SetSlot(placement, region, static_cast<unsigned>(depth % 3));
    table_.LowerHalfExcess(placement, (depth - table_.Manhattan(cells)) / 2);
    grew_ = true;
  }

  bool ExpandLayer(int depth, const std::atomic<bool>& cancel) {
    const unsigned layer = static_cast<unsigned>(depth % 3) * kLowBits;
    for (std::size_t placement = 0; placement < placements_; ++placement) {
      if (placement % kCancelStride == 0 && cancel.load(std::memory_order_relaxed)) return false;
      const unsigned differs = Slots(placement) ^ layer;
      const unsigned matches = ~(differs | differs >> 1) & kLowBits;
      if (matches) ExpandPlacement(static_cast<std::uint32_t>(placement), matches, depth);
    }
    return true;
  }

  // Expands the regions of the placement whose bit is set in matches.
  void ExpandPlacement(std::uint32_t placement, unsigned matches, int depth) {
    int cells[PatternDatabase::kMaxTiles];
    PatternDatabase::Unrank(placement, count_, cells);
    unsigned occupied = 0;
    for (int i = 0; i < count_; ++i) occupied |= 1u << cells[i];
    const unsigned free = ~occupied & kAllCells;
    unsigned left = free;
    for (int index = 0; left; ++index) {
      const unsigned region = Spread(left & (~left + 1u), free);
      left &= ~region;
      if (matches & (1u << (2 * index))) ExpandRegion(cells, occupied, region, depth);
    }
  }

  // Every group tile beside the region can step into it, leaving the empty cell behind.
  void ExpandRegion(int* cells, unsigned occupied, unsigned region, int depth) {
    for (int i = 0; i < count_; ++i) {
      const int from = cells[i];
      for (int to : Neighbours(from)) {
        if (to < 0 || !(region & (1u << to))) continue;
        cells[i] = to;
        Reach(cells, occupied ^ (1u << from) ^ (1u << to), from, depth + 1);
      }
      cells[i] = from;
    }
  }

  PatternDatabase& table_;
  const int count_;
  const std::size_t placements_;
  std::vector<std::uint8_t> layers_;
  const std::vector<std::uint64_t> regionNumbers_;  // 512 KiB, the build's only other memory
  bool grew_ = false;
};

PatternDatabase::PatternDatabase(std::vector<int> tiles)
    : tiles_(std::move(tiles)),
      placements_(PlacementCount(static_cast<int>(tiles_.size()))),
      halfExcess_((placements_ + 1) / 2, 0xFF) {
  for (int i = 0; i < TileCount(); ++i) {
    const int home = tiles_[i] - 1;
    for (int cell = 0; cell < kCellCount; ++cell) {
      distance_[i][cell] =
          static_cast<std::uint8_t>(std::abs(cell / kBoardSide - home / kBoardSide) +
                                    std::abs(cell % kBoardSide - home % kBoardSide));
    }
  }
}

std::unique_ptr<PatternDatabase> PatternDatabase::Build(const std::vector<int>& tiles,
                                                        const std::atomic<bool>& cancel) {
  std::unique_ptr<PatternDatabase> database(new PatternDatabase(tiles));
  if (!PatternBuild(*database).Run(cancel)) return nullptr;
  return database;
}

int PatternDatabase::Cost(const int* cells) const {
  return Manhattan(cells) + 2 * HalfExcess(Rank(cells, TileCount()));
}

int PatternDatabase::Manhattan(const int* cells) const {
  int sum = 0;
  for (int i = 0; i < TileCount(); ++i) sum += distance_[i][cells[i]];
  return sum;
}

int PatternDatabase::HalfExcess(std::uint32_t rank) const {
  return (halfExcess_[rank / 2] >> (4 * (rank % 2))) & 0xF;
}

// Placements start at 15 and only ever come down, so the first (shortest) count reached wins.
void PatternDatabase::LowerHalfExcess(std::uint32_t rank, int value) {
  if (value >= HalfExcess(rank)) return;
  std::uint8_t& byte = halfExcess_[rank / 2];
  const int shift = 4 * static_cast<int>(rank % 2);
  byte = static_cast<std::uint8_t>((byte & ~(0xF << shift)) | (value << shift));
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
