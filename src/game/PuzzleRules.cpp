#include "game/PuzzleRules.h"

#include <cstdlib>
#include <ctime>

namespace {
bool rngSeeded = false;
}

int RandomInt(int lo, int hi) {
  // An empty or one-value range has only lo to give; the modulus below would divide by zero.
  if (hi <= lo) return lo;
  if (!rngSeeded) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    rngSeeded = true;
  }
  // Widened: hi - lo overflows an int for the widest ranges.
  const long long span = static_cast<long long>(hi) - lo + 1;
  return static_cast<int>(lo + std::rand() % span);
}

void ResetRandomSeed() {
  rngSeeded = false;
}

bool IsEvenPermutation(const std::vector<int>& values) {
  const int n = static_cast<int>(values.size());
  if (n - 1 < 1) return true;
  int inversions = 0;
  for (int i = 0; i < n - 1; ++i) {
    for (int j = i + 1; j <= n - 2; ++j) {
      if (values[j] < values[i]) ++inversions;
    }
  }
  return inversions % 2 == 0;
}

namespace {
// One draw of 15 distinct tiles, the empty cell last; the scratch list carries 0 for it.
Board DrawArrangement(std::vector<int>& scratch) {
  Board board{};
  bool used[kCellCount + 1] = {};
  scratch.clear();
  for (int i = 0; i < kCellCount - 1; ++i) {
    int r;
    do {
      r = RandomInt(1, 15);
    } while (used[r]);
    used[r] = true;
    board[i] = r;
    scratch.push_back(r);
  }
  board[kCellCount - 1] = kEmptyCell;
  scratch.push_back(0);
  return board;
}
}  // namespace

Board ShuffleBoard() {
  // An odd arrangement is simply drawn again from the running generator: reseeding from the
  // clock would repeat the same draw until the next second.
  std::vector<int> scratch;
  scratch.reserve(kCellCount);
  while (true) {
    Board board = DrawArrangement(scratch);
    if (IsEvenPermutation(scratch)) return board;
  }
}

bool IsSolved(const Board& board) {
  for (int i = 0; i < kCellCount; ++i) {
    if (board[i] != i + 1) return false;
  }
  return true;
}

int EmptyNeighbour(const Board& board, int k) {
  if (k < 0 || k >= kCellCount) return -1;
  const int column = k % kBoardSide;
  if (column != 0 && board[k - 1] == kEmptyCell) return k - 1;
  if (column != kBoardSide - 1 && board[k + 1] == kEmptyCell) return k + 1;
  if (k >= kBoardSide && board[k - kBoardSide] == kEmptyCell) return k - kBoardSide;
  if (k < kCellCount - kBoardSide && board[k + kBoardSide] == kEmptyCell) return k + kBoardSide;
  return -1;
}

bool MoveTile(Board& board, int k) {
  int empty = EmptyNeighbour(board, k);
  if (empty < 0) return false;
  board[empty] = board[k];
  board[k] = kEmptyCell;
  return true;
}

int CellToSlide(const Board& board, Slide slide) {
  int gap = -1;
  for (int i = 0; i < kCellCount && gap < 0; ++i) {
    if (board[i] == kEmptyCell) gap = i;
  }
  if (gap < 0) return -1;
  const int row = gap / kBoardSide;
  const int column = gap % kBoardSide;
  switch (slide) {
    case Slide::Up:
      return row < kBoardSide - 1 ? gap + kBoardSide : -1;
    case Slide::Down:
      return row > 0 ? gap - kBoardSide : -1;
    case Slide::Left:
      return column < kBoardSide - 1 ? gap + 1 : -1;
    case Slide::Right:
      return column > 0 ? gap - 1 : -1;
  }
  return -1;
}
