// The board at every size from 3 x 3 to 6 x 6 and the rules of sliding on it: the one home of
// which cells are neighbours (never across a row end), where the gap is, which arrangements
// sliding can bring into order (parity), the deal, and the cells that a key or a row slide
// moves. The 4 x 4 game (game/PuzzleRules.h) and every solver take these rules from here.
//
// A board of side N holds N * N cells in row-major order (cell = row * N + column, counted
// from the top left), each a tile 1 .. N * N - 1 or N * N for the gap, so that at 4 x 4 the gap
// is 16 as it always was. A board holds whatever it is given; the rules say what it means.
#pragma once

#include <array>
#include <vector>

constexpr int kSmallestSide = 3;
constexpr int kLargestSide = 6;
constexpr int kMostCells = kLargestSide * kLargestSide;

class SizedBoard {
 public:
  // The ordered board, every tile home and the gap last; a side outside 3..6 is taken as the
  // nearest one inside.
  explicit SizedBoard(int side);

  int Side() const { return side_; }
  int CellCount() const { return side_ * side_; }
  int GapValue() const { return side_ * side_; }
  int operator[](int cell) const { return cells_[cell]; }
  int& operator[](int cell) { return cells_[cell]; }
  const int* begin() const { return cells_.data(); }
  const int* end() const { return cells_.data() + CellCount(); }

  // The first cell that holds the gap, -1 when none does.
  int Gap() const;
  bool IsOrdered() const;
  bool HoldsEveryValueOnce() const;

  bool operator==(const SizedBoard& other) const;
  bool operator!=(const SizedBoard& other) const { return !(*this == other); }

 private:
  int side_;
  std::array<int, kMostCells> cells_{};
};

// The places in NeighboursOf's answer, in the order in which a press looks for the gap.
enum NeighbourPlace { kLeftNeighbour, kRightNeighbour, kUpperNeighbour, kLowerNeighbour };

// The cells beside cell on a board of that side, -1 where the board ends: a row's last cell
// and the next row's first touch in memory, not on the board.
constexpr std::array<int, 4> NeighboursOf(int side, int cell) {
  const int row = cell / side, column = cell % side;
  return {column > 0 ? cell - 1 : -1, column < side - 1 ? cell + 1 : -1, row > 0 ? cell - side : -1,
          row < side - 1 ? cell + side : -1};
}

// True when values[0 .. count - 1] stand in an even number of pairs in the wrong order.
bool HasEvenInversions(const int* values, int count);

// True when the board holds each value once and sliding can bring it into order. A move swaps
// the gap with a tile, which turns the parity of the arrangement, and takes the gap one step,
// which turns the parity of its distance from its home: whether the two parities agree never
// changes, and on the ordered board both are even. That they agree is also enough, at every
// width.
bool IsSolvable(const SizedBoard& board);

// The gap among the neighbours of cell (left, right, above, below, in that order), or -1 when
// none of them holds it.
int GapBeside(const SizedBoard& board, int cell);

// Slides the tile at cell into the gap beside it; false when there is none.
bool MoveTile(SizedBoard& board, int cell);

// A slide asked for from the keyboard: the direction in which a tile moves into the gap.
enum class Slide { Up, Down, Left, Right };

// The cell whose tile moves into the gap for that slide: the neighbour on the far side of the
// gap (Left takes the tile right of the gap), or -1 when the gap lies on that edge or the board
// has none.
int CellToSlide(const SizedBoard& board, Slide slide);

// The single-tile moves, in order, that slide every tile from the gap's neighbour up to and
// including the one at cell toward the gap, when cell lies in the gap's row or column; nothing
// for a cell in neither, for the gap itself and for a cell off the board.
std::vector<int> RowSlideCells(const SizedBoard& board, int cell);

// A random arrangement with the gap last and an even number of inversions among the tiles,
// drawn as the 4 x 4 game has always drawn it: each cell a RandomInt(1, N * N - 1) drawn again
// until it is a tile not yet placed, the whole drawn again while odd. Uniform over the
// solvable arrangements with the gap last; it may be the ordered one.
SizedBoard DrawSolvableBoard(int side);

// What START deals: a DrawSolvableBoard that is not the ordered board.
SizedBoard DealBoard(int side);
