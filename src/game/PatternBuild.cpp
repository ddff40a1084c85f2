#include "game/PatternBuild.h"

#include "game/PatternDatabase.h"
#include "game/PuzzleRules.h"

namespace {

constexpr unsigned kAllCells = (1u << kCellCount) - 1u;
constexpr int kUnreachedHalfExcess = 0xF;

// The cells that have a neighbour in that place. The region shifted one cell to the right may
// keep only the cells with a left neighbour, whence it came, and so for each direction.
constexpr unsigned CellsWithNeighbour(NeighbourPlace place) {
  unsigned cells = 0;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (NeighboursOf(kBoardSide, cell)[place] >= 0) cells |= 1u << cell;
  }
  return cells;
}
constexpr unsigned kWithLeft = CellsWithNeighbour(kLeftNeighbour);
constexpr unsigned kWithRight = CellsWithNeighbour(kRightNeighbour);
constexpr unsigned kWithUpper = CellsWithNeighbour(kUpperNeighbour);
constexpr unsigned kWithLower = CellsWithNeighbour(kLowerNeighbour);

// The cells of free that the empty cell can reach from region without crossing a group tile.
unsigned Spread(unsigned region, unsigned free) {
  while (true) {
    const unsigned grown =
        (region | ((region << 1) & kWithLeft) | ((region >> 1) & kWithRight) |
         ((region << kBoardSide) & kWithUpper) | ((region >> kBoardSide) & kWithLower)) &
        free;
    if (grown == region) return region;
    region = grown;
  }
}

int LowestCell(unsigned cells) {
  return __builtin_ctz(cells);
}

class PatternBuild {
 public:
  explicit PatternBuild(const std::vector<int>& tiles)
      : count_(static_cast<int>(tiles.size())),
        halfExcess_(PatternDatabase::BytesFor(count_), 0xFF),
        table_(tiles, halfExcess_.data()),
        seen_(PatternDatabase::PlacementsOf(count_) * kCellCount) {}

  std::vector<std::uint8_t> Run() {
    int cells[PatternDatabase::kMaxTiles];
    unsigned occupied = 0;
    for (int i = 0; i < count_; ++i) {
      cells[i] = table_.Tiles()[i] - 1;
      occupied |= 1u << cells[i];
    }
    std::vector<std::uint32_t> layer, next;
    Reach(cells, occupied, kCellCount - 1, 0, layer);
    for (int depth = 1; !layer.empty(); ++depth) {
      next.clear();
      for (std::uint32_t state : layer) Expand(state, depth, next);
      layer.swap(next);
    }
    return std::move(halfExcess_);
  }

 private:
  // A state is the placement's rank times 16 plus the lowest cell of the empty cell's region.
  void Reach(const int* cells, unsigned occupied, int empty, int depth,
             std::vector<std::uint32_t>& next) {
    const unsigned region = Spread(1u << empty, ~occupied & kAllCells);
    const std::uint32_t rank = PatternDatabase::Rank(cells, count_);
    const std::uint32_t state = rank * kCellCount + static_cast<std::uint32_t>(LowestCell(region));
    if (seen_[state]) return;
    seen_[state] = true;
    next.push_back(state);
    LowerHalfExcess(rank, (depth - table_.Manhattan(cells)) / 2);
  }

  void Expand(std::uint32_t state, int depth, std::vector<std::uint32_t>& next) {
    int cells[PatternDatabase::kMaxTiles];
    PatternDatabase::Unrank(state / kCellCount, count_, cells);
    unsigned occupied = 0;
    for (int i = 0; i < count_; ++i) occupied |= 1u << cells[i];
    const unsigned region = Spread(1u << (state % kCellCount), ~occupied & kAllCells);
    for (int i = 0; i < count_; ++i) {
      const int from = cells[i];
      for (int to : NeighboursOf(kBoardSide, from)) {
        if (to < 0 || !(region & (1u << to))) continue;
        cells[i] = to;
        Reach(cells, occupied ^ (1u << from) ^ (1u << to), from, depth, next);
      }
      cells[i] = from;
    }
  }

  // The first count to reach a placement is its least, as the search goes layer by layer;
  // one past what four bits hold stays at the cut.
  void LowerHalfExcess(std::uint32_t rank, int value) {
    std::uint8_t& byte = halfExcess_[rank / 2];
    const int shift = 4 * static_cast<int>(rank % 2);
    if (((byte >> shift) & 0xF) != kUnreachedHalfExcess || value >= kUnreachedHalfExcess) return;
    byte = static_cast<std::uint8_t>((byte & ~(0xF << shift)) | (value << shift));
  }

  const int count_;
  std::vector<std::uint8_t> halfExcess_;
  const PatternDatabase table_;  // over halfExcess_, for the ranks and Manhattan distances
  std::vector<bool> seen_;
};

}  // namespace

std::vector<std::uint8_t> BuildPatternTable(const std::vector<int>& tiles) {
  return PatternBuild(tiles).Run();
}
