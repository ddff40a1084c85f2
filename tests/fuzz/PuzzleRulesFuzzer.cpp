// The puzzle rules under fuzzed presses and shuffles. A press moves a tile exactly when it is
// an orthogonal neighbour of the empty cell, and then only swaps the two; the board stays a
// permutation of 1..16 and, as sliding cannot change it, solvable. Every shuffle is a
// solvable permutation with the empty cell last. The generator is seeded from the input so a
// crash replays.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>

#include "FuzzSupport.h"
#include "game/PuzzleRules.h"

namespace {

using fuzz::Require;

bool IsPermutation(const Board& board) {
  Board sorted = board;
  std::sort(sorted.begin(), sorted.end());
  Board ordered;
  std::iota(ordered.begin(), ordered.end(), 1);
  return sorted == ordered;
}

// Counted independently of the rules: on a board of even width, the tiles' inversions plus the
// empty cell's row counted from the bottom is odd for every arrangement sliding can order.
bool IsSolvable(const Board& board) {
  int inversions = 0;
  for (int i = 0; i < kCellCount; ++i)
    for (int j = i + 1; j < kCellCount; ++j)
      if (board[i] != kEmptyCell && board[j] != kEmptyCell && board[j] < board[i]) ++inversions;
  const int empty = int(std::find(board.begin(), board.end(), kEmptyCell) - board.begin());
  const int rowFromBottom = kBoardSide - empty / kBoardSide;
  return (inversions + rowFromBottom) % 2 == 1;
}

bool Beside(int a, int b) {
  const int rows = std::abs(a / kBoardSide - b / kBoardSide);
  const int columns = std::abs(a % kBoardSide - b % kBoardSide);
  return rows + columns == 1;
}

void CheckShuffle(const Board& board) {
  Require(IsPermutation(board), "a shuffle is a permutation");
  Require(board[kCellCount - 1] == kEmptyCell, "a shuffle leaves the empty cell last");
  Require(IsSolvable(board), "a shuffle is solvable");
}

void Press(Board& board, int k) {
  const Board before = board;
  const int empty = int(std::find(board.begin(), board.end(), kEmptyCell) - board.begin());
  const bool movable = k >= 0 && k < kCellCount && Beside(k, empty);
  Require(MoveTile(board, k) == movable, "a tile moves exactly when it is beside the gap");
  if (!movable) return Require(board == before, "a refused press changes nothing");
  Board swapped = before;
  std::swap(swapped[k], swapped[empty]);
  Require(board == swapped, "a move swaps the tile and the gap");
  Require(IsSolvable(board), "sliding keeps the board solvable");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  RandomInt(1, 2);  // seeds from the clock once; the input's seed replaces it
  std::srand(input.ConsumeIntegral<unsigned>());
  Board board;
  std::iota(board.begin(), board.end(), 1);
  while (input.remaining_bytes() > 0) {
    // 255 shuffles; any other byte presses a cell, a few of them off the board.
    const int step = input.ConsumeIntegral<std::uint8_t>();
    if (step == 255) {
      board = ShuffleBoard();
      CheckShuffle(board);
    } else {
      Press(board, step % (kCellCount + 4) - 2);
    }
    Require(IsPermutation(board), "the board stays a permutation");
    Require(IsSolved(board) == std::is_sorted(board.begin(), board.end()),
            "solved exactly when in order");
  }
  return 0;
}
