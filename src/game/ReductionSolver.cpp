#include "game/ReductionSolver.h"

#include "game/PlacementSearch.h"
#include "game/ThreeByThreeSolver.h"

namespace {

// The gap's way across the board, cell by cell from where it stood. A step straight back
// where it came from undoes the one before (the end of one placement and the start of the
// next can meet so), and both go.
class GapPath {
 public:
  explicit GapPath(int start) : cells_{start} {}

  void StepTo(int cell) {
    if (cells_.size() >= 2 && cells_[cells_.size() - 2] == cell) {
      cells_.pop_back();
    } else {
      cells_.push_back(cell);
    }
  }

  std::vector<int> Moves() const { return {cells_.begin() + 1, cells_.end()}; }

 private:
  std::vector<int> cells_;
};

class Reduction {
 public:
  Reduction(const SizedBoard& board, const std::atomic<bool>& cancel)
      : board_(board),
        side_(board.Side()),
        search_(side_, cancel),
        cancel_(cancel),
        path_(board.Gap()) {}

  SolveOutcome Run(BoardSolution& solution) {
    for (int corner = 0; corner < side_ - kSmallestSide; ++corner) {
      if (!PlaceLine(corner, corner, 1) || !PlaceLine(corner + 1, corner, side_)) {
        return Outcome();
      }
    }
    if (!SolveLastThreeByThree()) return Outcome();
    solution.moves = path_.Moves();
    solution.nodes = search_.Nodes() + lastNodes_;
    return SolveOutcome::Solved;
  }

 private:
  // A placement fails only when cancelled: on a solvable board there is always a way.
  SolveOutcome Outcome() const {
    return cancel_.load() ? SolveOutcome::Cancelled : SolveOutcome::Unsolvable;
  }

  // The line of cells from row, column to the board's edge, stride 1 for the row and the side
  // for the column: a lone tile first when it has an odd length, then pairs, so that the last
  // two go together.
  bool PlaceLine(int row, int column, int stride) {
    const int first = row * side_ + column;
    const int length = stride == 1 ? side_ - column : side_ - row;
    int placed = 0;
    while (placed < length) {
      const int count = (length - placed) % 2 == 1 ? 1 : 2;
      const int tiles[PlacementSearch::kMostTiles] = {first + placed * stride + 1,
                                                      first + (placed + 1) * stride + 1};
      if (!Place(tiles, count)) return false;
      placed += count;
    }
    return true;
  }

  bool Place(const int* tiles, int count) {
    std::vector<int> moves;
    if (cancel_.load(std::memory_order_relaxed)) return false;
    if (!search_.Place(board_, tiles, count, fixedCells_, moves)) return false;
    for (int cell : moves) Move(cell);
    for (int i = 0; i < count; ++i) fixedCells_ |= std::uint64_t{1} << (tiles[i] - 1);
    return true;
  }

  void Move(int cell) {
    MoveTile(board_, cell);
    path_.StepTo(cell);
  }

  // The bottom-right 3 x 3 holds just its own tiles now; numbered as a 3 x 3 board of its own,
  // it is solvable as the whole board was.
  bool SolveLastThreeByThree() {
    SizedBoard small(kSmallestSide);
    for (int cell = 0; cell < small.CellCount(); ++cell)
      small[cell] = SmallValue(board_[FullCell(cell)]);
    const BoardSolution last = SolveThreeByThree(small, cancel_);
    if (last.outcome != SolveOutcome::Solved) return false;
    lastNodes_ = last.nodes;
    for (int cell : last.moves) Move(FullCell(cell));
    return true;
  }

  // A value of the last 3 x 3 as that board numbers it: its home counted within it.
  int SmallValue(int value) const {
    if (value == board_.GapValue()) return kSmallestSide * kSmallestSide;
    const int home = value - 1, offset = side_ - kSmallestSide;
    return (home / side_ - offset) * kSmallestSide + home % side_ - offset + 1;
  }

  int FullCell(int smallCell) const {
    const int offset = side_ - kSmallestSide;
    return (smallCell / kSmallestSide + offset) * side_ + smallCell % kSmallestSide + offset;
  }

  SizedBoard board_;
  const int side_;
  PlacementSearch search_;
  const std::atomic<bool>& cancel_;
  GapPath path_;
  std::uint64_t fixedCells_ = 0;
  unsigned long long lastNodes_ = 0;
};

}  // namespace

BoardSolution SolveByReduction(const SizedBoard& board, const std::atomic<bool>& cancel) {
  BoardSolution solution;
  if (!IsSolvable(board)) return solution;
  solution.shortest = board.Side() == kSmallestSide;
  solution.outcome = Reduction(board, cancel).Run(solution);
  return solution;
}
