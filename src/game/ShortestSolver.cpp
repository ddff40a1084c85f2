#include "game/ShortestSolver.h"

#include <malloc.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "game/PatternDatabase.h"

namespace {

constexpr int kGroupCount = 3;  // as Search's sums spell out
// Tiles grouped by where they belong: the left two columns but 2, the right two columns but 3
// and 4, and the top row's 2, 3, 4. Mirrored, the first group becomes 1..4, 6, 7, so the two
// readings of a board differ and their maximum is worth taking.
const std::vector<int> kGroups[kGroupCount] = {
    {1, 5, 6, 9, 10, 13}, {7, 8, 11, 12, 14, 15}, {2, 3, 4}};
constexpr int kNotFound = -1;
// Nodes searched between two looks at the cancel flag.
constexpr unsigned kCancelStride = 1u << 12;

constexpr int Transposed(int cell) {
  return (cell % kBoardSide) * kBoardSide + cell / kBoardSide;
}

// The tile whose home is the mirror of tile's home.
constexpr int MirrorTile(int tile) {
  return Transposed(tile - 1) + 1;
}

struct PatternSet {
  std::unique_ptr<PatternDatabase> groups[kGroupCount];
  int groupOf[kCellCount + 1] = {};
};

std::unique_ptr<PatternSet> BuildPatternSet(const std::atomic<bool>& cancel) {
  auto set = std::make_unique<PatternSet>();
  for (int g = 0; g < kGroupCount; ++g) {
    set->groups[g] = PatternDatabase::Build(kGroups[g], cancel);
    if (!set->groups[g]) return nullptr;
    for (int tile : kGroups[g]) set->groupOf[tile] = g;
  }
  // The allocator keeps the builds' freed work space for reuse unless told to give it back.
  malloc_trim(0);
  return set;
}

// The process-wide tables; built under the lock by the first caller, abandoned if cancelled.
const PatternSet* Tables(const std::atomic<bool>& cancel) {
  static std::mutex mutex;
  static std::unique_ptr<PatternSet> tables;
  std::lock_guard<std::mutex> lock(mutex);
  if (!tables) tables = BuildPatternSet(cancel);
  return tables.get();
}

bool HoldsEveryValueOnce(const Board& board) {
  unsigned seen = 0;
  for (int value : board) {
    if (value < 1 || value > kCellCount) return false;
    seen |= 1u << (value - 1);
  }
  return seen == (1u << kCellCount) - 1u;
}

// Every move swaps the empty cell with a tile (one transposition) and takes the empty cell
// one step, so the parity of the permutation always equals that of the empty cell's distance
// from its home; the goal has both even.
bool ParityAllowsGoal(const Board& board) {
  int transpositions = 0;
  Board values = board;
  for (int i = 0; i < kCellCount; ++i) {
    while (values[i] != i + 1) {
      std::swap(values[i], values[values[i] - 1]);
      ++transpositions;
    }
  }
  const int empty =
      static_cast<int>(std::find(board.begin(), board.end(), kEmptyCell) - board.begin());
  const int distance =
      (kBoardSide - 1 - empty / kBoardSide) + (kBoardSide - 1 - empty % kBoardSide);
  return transpositions % 2 == distance % 2;
}

class Search {
 public:
  Search(const PatternSet& tables, const Board& board, const std::atomic<bool>& cancel)
      : tables_(tables), cancel_(cancel) {
    for (int cell = 0; cell < kCellCount; ++cell) {
      cellOf_[board[cell]] = cell;
      tileAt_[cell] = board[cell];
    }
    for (int g = 0; g < kGroupCount; ++g) {
      direct_[g] = DirectCost(g);
      mirrored_[g] = MirroredCost(g);
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
  int DirectSum() const { return direct_[0] + direct_[1] + direct_[2]; }

  int Estimate() const { return std::max(DirectSum(), mirrored_[0] + mirrored_[1] + mirrored_[2]); }

  int DirectCost(int group) const {
    const PatternDatabase& table = *tables_.groups[group];
    int cells[PatternDatabase::kMaxTiles];
    for (int i = 0; i < table.TileCount(); ++i) cells[i] = cellOf_[table.Tiles()[i]];
    return table.Cost(cells);
  }

  // The same group read on the board mirrored across the diagonal, where tile t stands in the
  // mirror of the cell that holds MirrorTile(t) here.
  int MirroredCost(int group) const {
    const PatternDatabase& table = *tables_.groups[group];
    int cells[PatternDatabase::kMaxTiles];
    for (int i = 0; i < table.TileCount(); ++i) {
      cells[i] = Transposed(cellOf_[MirrorTile(table.Tiles()[i])]);
    }
    return table.Cost(cells);
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
    for (int from : NeighboursOf(empty)) {
      if (from < 0 || from == previousEmpty) continue;
      const int result = TryMove(from, depth, bound);
      if (result == 0) return 0;
      if (cancelled_) return kNotFound;
      if (smallest == kNotFound || result < smallest) smallest = result;
    }
    return smallest;
  }

  // The direct reading alone often settles the move, and then the mirrored one is not read.
  int TryMove(int from, int depth, int bound) {
    const int empty = cellOf_[kEmptyCell];
    const int tile = tileAt_[from];
    const int group = tables_.groupOf[tile];
    const int mirrorGroup = tables_.groupOf[MirrorTile(tile)];
    const int savedDirect = direct_[group], savedMirrored = mirrored_[mirrorGroup];
    Slide(tile, from, empty);
    direct_[group] = DirectCost(group);
    int result = depth + 1 + DirectSum();
    if (result <= bound) {
      mirrored_[mirrorGroup] = MirroredCost(mirrorGroup);
      path_.push_back(from);
      result = Deepen(depth + 1, bound, empty);
      if (result == 0) return 0;
      path_.pop_back();
      mirrored_[mirrorGroup] = savedMirrored;
    }
    direct_[group] = savedDirect;
    Slide(tile, empty, from);
    return result;
  }

  void Slide(int tile, int from, int to) {
    cellOf_[tile] = to;
    cellOf_[kEmptyCell] = from;
    tileAt_[to] = tile;
    tileAt_[from] = kEmptyCell;
  }

  static std::array<int, 4> NeighboursOf(int cell) {
    const int column = cell % kBoardSide;
    return {column != 0 ? cell - 1 : -1, column != kBoardSide - 1 ? cell + 1 : -1,
            cell >= kBoardSide ? cell - kBoardSide : -1,
            cell < kCellCount - kBoardSide ? cell + kBoardSide : -1};
  }

  const PatternSet& tables_;
  const std::atomic<bool>& cancel_;
  int cellOf_[kCellCount + 1] = {};
  int tileAt_[kCellCount] = {};
  int direct_[kGroupCount] = {};
  int mirrored_[kGroupCount] = {};
  std::vector<int> path_;
  unsigned long long nodes_ = 0;
  bool cancelled_ = false;
};

}  // namespace

bool IsSolvableBoard(const Board& board) {
  return HoldsEveryValueOnce(board) && ParityAllowsGoal(board);
}

bool PrepareShortestSolver(const std::atomic<bool>& cancel) {
  return Tables(cancel) != nullptr;
}

ShortestSolution SolveShortest(const Board& board, const std::atomic<bool>& cancel) {
  ShortestSolution solution;
  if (!IsSolvableBoard(board)) return solution;
  const PatternSet* tables = Tables(cancel);
  if (!tables) {
    solution.outcome = SolveOutcome::Cancelled;
    return solution;
  }
  Search search(*tables, board, cancel);
  solution.outcome = search.Run(solution.moves);
  solution.nodes = search.Nodes();
  return solution;
}

ShortestSolution SolveShortest(const Board& board) {
  const std::atomic<bool> never{false};
  return SolveShortest(board, never);
}
