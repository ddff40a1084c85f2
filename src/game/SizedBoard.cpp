#include "game/SizedBoard.h"

#include <algorithm>

#include "game/RandomInt.h"

SizedBoard::SizedBoard(int side) : side_(std::clamp(side, kSmallestSide, kLargestSide)) {
  for (int cell = 0; cell < CellCount(); ++cell) cells_[cell] = cell + 1;
}

int SizedBoard::Gap() const {
  const int* gap = std::find(begin(), end(), GapValue());
  return gap == end() ? -1 : static_cast<int>(gap - begin());
}

bool SizedBoard::IsOrdered() const {
  for (int cell = 0; cell < CellCount(); ++cell) {
    if (cells_[cell] != cell + 1) return false;
  }
  return true;
}

bool SizedBoard::HoldsEveryValueOnce() const {
  std::array<bool, kMostCells + 1> seen{};
  for (int value : *this) {
    if (value < 1 || value > GapValue() || seen[value]) return false;
    seen[value] = true;
  }
  return true;
}

bool SizedBoard::operator==(const SizedBoard& other) const {
  return side_ == other.side_ && std::equal(begin(), end(), other.begin());
}

bool HasEvenInversions(const int* values, int count) {
  int inversions = 0;
  for (int i = 0; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) inversions += values[j] < values[i] ? 1 : 0;
  }
  return inversions % 2 == 0;
}

bool IsSolvable(const SizedBoard& board) {
  if (!board.HoldsEveryValueOnce()) return false;
  const int side = board.Side(), gap = board.Gap();
  const int distanceFromHome = (side - 1 - gap / side) + (side - 1 - gap % side);
  return HasEvenInversions(board.begin(), board.CellCount()) == (distanceFromHome % 2 == 0);
}

int GapBeside(const SizedBoard& board, int cell) {
  if (cell < 0 || cell >= board.CellCount()) return -1;
  for (int neighbour : NeighboursOf(board.Side(), cell)) {
    if (neighbour >= 0 && board[neighbour] == board.GapValue()) return neighbour;
  }
  return -1;
}

bool MoveTile(SizedBoard& board, int cell) {
  const int gap = GapBeside(board, cell);
  if (gap < 0) return false;
  board[gap] = board[cell];
  board[cell] = board.GapValue();
  return true;
}

int CellToSlide(const SizedBoard& board, Slide slide) {
  const int gap = board.Gap();
  if (gap < 0) return -1;
  const std::array<int, 4> beside = NeighboursOf(board.Side(), gap);
  switch (slide) {
    case Slide::Up:
      return beside[kLowerNeighbour];
    case Slide::Down:
      return beside[kUpperNeighbour];
    case Slide::Left:
      return beside[kRightNeighbour];
    case Slide::Right:
      return beside[kLeftNeighbour];
  }
  return -1;
}

std::vector<int> RowSlideCells(const SizedBoard& board, int cell) {
  const int side = board.Side(), gap = board.Gap();
  if (gap < 0 || cell < 0 || cell >= board.CellCount() || cell == gap) return {};
  int step = 0;
  if (cell / side == gap / side) step = cell < gap ? -1 : 1;
  if (cell % side == gap % side) step = cell < gap ? -side : side;
  if (step == 0) return {};
  std::vector<int> cells;
  for (int from = gap + step;; from += step) {
    cells.push_back(from);
    if (from == cell) return cells;
  }
}

namespace {

// The tiles in cells 0 .. N * N - 2, each drawn again until it is one not yet placed; the gap
// last.
SizedBoard DrawArrangement(int side) {
  SizedBoard board(side);
  const int tiles = board.CellCount() - 1;
  std::array<bool, kMostCells> used{};
  for (int cell = 0; cell < tiles; ++cell) {
    int tile;
    do {
      tile = RandomInt(1, tiles);
    } while (used[tile]);
    used[tile] = true;
    board[cell] = tile;
  }
  return board;
}

}  // namespace

SizedBoard DrawSolvableBoard(int side) {
  // An odd arrangement is simply drawn again from the running generator: reseeding from the
  // clock would repeat the same draw until the next second.
  while (true) {
    const SizedBoard board = DrawArrangement(side);
    if (HasEvenInversions(board.begin(), board.CellCount() - 1)) return board;
  }
}

SizedBoard DealBoard(int side) {
  while (true) {
    const SizedBoard board = DrawSolvableBoard(side);
    if (!board.IsOrdered()) return board;
  }
}
