#include "game/ShortestSolver.h"

#include <algorithm>
#include <memory>

#include "game/PatternDatabase.h"
#include "game/PatternTables.h"

namespace {

constexpr int kNotFound = -1;
// Nodes searched between two looks at the cancel flag.
constexpr unsigned kCancelStride = 1u << 12;
// Every partition read on the board and on its mirror image.
constexpr int kReadingCount = 2 * kPatternPartitionCount;

constexpr int Transposed(int cell) {
  return (cell % kBoardSide) * kBoardSide + cell / kBoardSide;
}

// The tile whose home is the mirror of tile's home.
constexpr int MirrorTile(int tile) {
  return Transposed(tile - 1) + 1;
}

struct Partition {
  std::unique_ptr<PatternDatabase> groups[kGroupsPerPartition];
  int groupOf[kCellCount + 1] = {};
};

struct PatternSet {
  Partition partitions[kPatternPartitionCount];
};

// Views over the linked tables; nothing when their size is not what the groups need, which
// only a broken build can cause.
std::unique_ptr<PatternSet> LinkedPatternSet() {
  const PatternTableBytes linked = LinkedPatternTables();
  auto set = std::make_unique<PatternSet>();
  std::size_t offset = 0;
  for (int p = 0; p < kPatternPartitionCount; ++p) {
    for (int g = 0; g < kGroupsPerPartition; ++g) {
      const std::vector<int>& tiles = kPatternGroups[p][g];
      set->partitions[p].groups[g] = std::make_unique<PatternDatabase>(tiles, linked.data + offset);
      offset += PatternDatabase::BytesFor(static_cast<int>(tiles.size()));
      for (int tile : tiles) set->partitions[p].groupOf[tile] = g;
    }
  }
  if (offset != linked.size) return nullptr;
  return set;
}

const PatternSet* Tables() {
  static const std::unique_ptr<PatternSet> tables = LinkedPatternSet();
  return tables.get();
}

// The cells beside each cell, once for all: the search's inner loop reads them at every node.
constexpr std::array<std::array<int, 4>, kCellCount> NeighbourTable() {
  std::array<std::array<int, 4>, kCellCount> table{};
  for (int cell = 0; cell < kCellCount; ++cell) table[cell] = NeighboursOf(kBoardSide, cell);
  return table;
}
constexpr std::array<std::array<int, 4>, kCellCount> kNeighbours = NeighbourTable();

class Search {
 public:
  Search(const PatternSet& tables, const Board& board, const std::atomic<bool>& cancel)
      : tables_(tables), cancel_(cancel) {
    for (int cell = 0; cell < kCellCount; ++cell) {
      cellOf_[board[cell]] = cell;
      tileAt_[cell] = board[cell];
    }
    for (int r = 0; r < kReadingCount; ++r) {
      for (int g = 0; g < kGroupsPerPartition; ++g) costs_[r][g] = GroupCost(r, g);
    }
  }

  unsigned long long Nodes() const { return nodes_; }

  SolveOutcome Run(std::vector<int>& moves) {
    int bound = Estimate();
    while (true) {
      if (cancel_.load()) return SolveOutcome::Cancelled;
      const int next = Deepen(0, bound, -1);
      if (cancelled_) return SolveOutcome::Cancelled;
      if (next == 0) break;
      bound = next;
    }
    moves.assign(path_.begin(), path_.end());
    return SolveOutcome::Solved;
  }

 private:
  // Reading r takes partition r / 2, on the board itself when r is even, else on its mirror.
  static bool Mirrored(int reading) { return reading % 2 != 0; }
  const Partition& PartitionOf(int reading) const { return tables_.partitions[reading / 2]; }

  int Sum(int reading) const {
    int sum = 0;
    for (int cost : costs_[reading]) sum += cost;
    return sum;
  }

  int Estimate() const {
    int estimate = 0;
    for (int r = 0; r < kReadingCount; ++r) estimate = std::max(estimate, Sum(r));
    return estimate;
  }

  // On the mirror, tile t stands in the mirror of the cell that holds MirrorTile(t) here.
  int GroupCost(int reading, int group) const {
    const PatternDatabase& table = *PartitionOf(reading).groups[group];
    int cells[PatternDatabase::kMaxTiles];
    for (int i = 0; i < table.TileCount(); ++i) {
      const int tile = table.Tiles()[i];
      cells[i] = Mirrored(reading) ? Transposed(cellOf_[MirrorTile(tile)]) : cellOf_[tile];
    }
    return table.Cost(cells);
  }

  int GroupMoved(int reading, int tile) const {
    return PartitionOf(reading).groupOf[Mirrored(reading) ? MirrorTile(tile) : tile];
  }

  // Depth-first below bound; returns 0 once the goal is found (path_ then holds the moves),
  // else the smallest estimate that went past bound, or kNotFound when cancelled.
  int Deepen(int depth, int bound, int previousEmpty) {
    const int estimate = Estimate();
    if (estimate == 0) return 0;
    if (depth + estimate > bound) return depth + estimate;
    if (++nodes_ % kCancelStride == 0 && cancel_.load(std::memory_order_relaxed)) {
      cancelled_ = true;
    }
    if (cancelled_) return kNotFound;
    const int empty = cellOf_[kEmptyCell];
    int smallest = kNotFound;
    for (int from : kNeighbours[empty]) {
      if (from < 0 || from == previousEmpty) continue;
      const int result = TryMove(from, depth, bound);
      if (result == 0) return 0;
      if (cancelled_) return kNotFound;
      if (smallest == kNotFound || result < smallest) smallest = result;
    }
    return smallest;
  }

  // The readings are brought up to date one by one; the first that lifts the estimate past
  // bound settles the move, and the others are not read.
  int TryMove(int from, int depth, int bound) {
    const int empty = cellOf_[kEmptyCell];
    const int tile = tileAt_[from];
    Slide(tile, from, empty);
    int saved[kReadingCount];
    int read = 0, result = 0;
    while (read < kReadingCount && result <= bound) {
      const int group = GroupMoved(read, tile);
      saved[read] = costs_[read][group];
      costs_[read][group] = GroupCost(read, group);
      result = depth + 1 + Sum(read++);
    }
    if (result <= bound) {
      path_.push_back(from);
      result = Deepen(depth + 1, bound, empty);
      if (result == 0) return 0;
      path_.pop_back();
    }
    while (read-- > 0) costs_[read][GroupMoved(read, tile)] = saved[read];
    Slide(tile, empty, from);
    return result;
  }

  void Slide(int tile, int from, int to) {
    cellOf_[tile] = to;
    cellOf_[kEmptyCell] = from;
    tileAt_[to] = tile;
    tileAt_[from] = kEmptyCell;
  }

  const PatternSet& tables_;
  const std::atomic<bool>& cancel_;
  int cellOf_[kCellCount + 1] = {};
  int tileAt_[kCellCount] = {};
  int costs_[kReadingCount][kGroupsPerPartition] = {};  // [reading][group]
  std::vector<int> path_;
  unsigned long long nodes_ = 0;
  bool cancelled_ = false;
};

}  // namespace

bool IsSolvableBoard(const Board& board) {
  return IsSolvable(FromFourByFour(board));
}

ShortestSolution SolveShortest(const Board& board, const std::atomic<bool>& cancel) {
  ShortestSolution solution;
  if (!IsSolvableBoard(board)) return solution;
  const PatternSet* tables = Tables();
  if (!tables) return solution;
  Search search(*tables, board, cancel);
  solution.outcome = search.Run(solution.moves);
  solution.nodes = search.Nodes();
  return solution;
}

ShortestSolution SolveShortest(const Board& board) {
  const std::atomic<bool> never{false};
  return SolveShortest(board, never);
}
