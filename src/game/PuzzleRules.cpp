#include "game/PuzzleRules.h"

#include <algorithm>

static_assert(kEmptyCell == kCellCount, "the 4 x 4 gap is the gap of every size");

SizedBoard FromFourByFour(const Board& board) {
  SizedBoard sized(kBoardSide);
  for (int i = 0; i < kCellCount; ++i) sized[i] = board[i];
  return sized;
}

Board ToFourByFour(const SizedBoard& board) {
  Board fixed{};
  std::copy(board.begin(), board.begin() + std::min(board.CellCount(), kCellCount), fixed.begin());
  return fixed;
}

bool IsEvenPermutation(const std::vector<int>& values) {
  const int n = static_cast<int>(values.size());
  return n - 1 < 1 || HasEvenInversions(values.data(), n - 1);
}

Board ShuffleBoard() {
  return ToFourByFour(DrawSolvableBoard(kBoardSide));
}

bool IsSolved(const Board& board) {
  return FromFourByFour(board).IsOrdered();
}

int EmptyNeighbour(const Board& board, int k) {
  return GapBeside(FromFourByFour(board), k);
}

bool MoveTile(Board& board, int k) {
  SizedBoard sized = FromFourByFour(board);
  if (!MoveTile(sized, k)) return false;
  board = ToFourByFour(sized);
  return true;
}

int CellToSlide(const Board& board, Slide slide) {
  return CellToSlide(FromFourByFour(board), slide);
}
