// The puzzle rules under fuzzed presses, row slides and deals at every size. A press moves a
// tile exactly when it is an orthogonal neighbour of the gap, and then only swaps the two; a
// row slide moves the tiles of the gap's line one by one until the pressed cell holds the
// gap. The board stays a permutation and, as sliding cannot change it, solvable. Every deal is
// a solvable permutation with the gap last, never the ordered board. At 4 x 4 the game's own
// board agrees move for move. The generator is seeded from the input so a crash replays.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "FuzzSupport.h"
#include "game/PuzzleRules.h"

namespace {

using fuzz::Require;

bool IsPermutation(const SizedBoard& board) {
  std::vector<int> sorted(board.begin(), board.end());
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> ordered(sorted.size());
  std::iota(ordered.begin(), ordered.end(), 1);
  return sorted == ordered;
}

// Counted independently of the rules: a sideways slide keeps the tiles' inversions, an upward
// or downward one changes them by the width less one. So at an odd width the inversions stay
// even; at an even width, the inversions plus the gap's row counted from the bottom stay odd.
bool IsSolvableBoard(const SizedBoard& board) {
  const int side = board.Side(), cells = board.CellCount(), gapValue = board.GapValue();
  int inversions = 0;
  for (int i = 0; i < cells; ++i)
    for (int j = i + 1; j < cells; ++j)
      if (board[i] != gapValue && board[j] != gapValue && board[j] < board[i]) ++inversions;
  const int rowFromBottom = side - board.Gap() / side;
  return side % 2 == 1 ? inversions % 2 == 0 : (inversions + rowFromBottom) % 2 == 1;
}

bool Beside(int side, int a, int b) {
  return std::abs(a / side - b / side) + std::abs(a % side - b % side) == 1;
}

bool InTheGapsLine(int side, int cell, int gap) {
  return cell != gap && (cell / side == gap / side || cell % side == gap % side);
}

void CheckDeal(const SizedBoard& board) {
  Require(IsPermutation(board), "a deal is a permutation");
  Require(board.Gap() == board.CellCount() - 1, "a deal leaves the gap last");
  Require(IsSolvableBoard(board), "a deal is solvable");
  Require(!board.IsOrdered(), "a deal is never the ordered board");
}

void Press(SizedBoard& board, int k) {
  const SizedBoard before = board;
  const int gap = board.Gap();
  const bool movable = k >= 0 && k < board.CellCount() && Beside(board.Side(), k, gap);
  Require(MoveTile(board, k) == movable, "a tile moves exactly when it is beside the gap");
  if (!movable) return Require(board == before, "a refused press changes nothing");
  SizedBoard swapped = before;
  std::swap(swapped[k], swapped[gap]);
  Require(board == swapped, "a move swaps the tile and the gap");
}

void SlideRow(SizedBoard& board, int k) {
  const int gap = board.Gap();
  const std::vector<int> cells = RowSlideCells(board, k);
  const bool inLine = k >= 0 && k < board.CellCount() && InTheGapsLine(board.Side(), k, gap);
  Require(cells.empty() != inLine, "a row slide moves exactly when the cell is in the gap's line");
  for (int cell : cells)
    Require(MoveTile(board, cell), "each tile of a row slide is beside the gap");
  if (inLine) Require(board.Gap() == k, "a row slide leaves the gap where the press was");
}

// The game's 4 x 4 board follows the same press.
void PressFourByFour(const SizedBoard& before, const SizedBoard& after, int k) {
  Board board = ToFourByFour(before);
  Require(MoveTile(board, k) == (before != after), "the 4 x 4 board moves as every size");
  Require(board == ToFourByFour(after), "the 4 x 4 board moves the same tile");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  RandomInt(1, 2);  // seeds from the clock once; the input's seed replaces it
  std::srand(input.ConsumeIntegral<unsigned>());
  const int side = kSmallestSide + input.ConsumeIntegral<std::uint8_t>() % 4;
  SizedBoard board(side);
  while (input.remaining_bytes() > 0) {
    // 255 deals, 254 slides a row at the cell the next byte names; any other byte presses a
    // cell, a few of them off the board.
    const int step = input.ConsumeIntegral<std::uint8_t>();
    const int cell = step % (board.CellCount() + 4) - 2;
    if (step == 255) {
      board = DealBoard(side);
      CheckDeal(board);
    } else if (step == 254) {
      SlideRow(board, input.ConsumeIntegral<std::uint8_t>() % (board.CellCount() + 4) - 2);
    } else {
      const SizedBoard before = board;
      Press(board, cell);
      if (side == kBoardSide) PressFourByFour(before, board, cell);
    }
    Require(IsPermutation(board), "the board stays a permutation");
    Require(IsSolvableBoard(board), "sliding keeps the board solvable");
    Require(board.IsOrdered() == std::is_sorted(board.begin(), board.end()),
            "solved exactly when in order");
  }
  return 0;
}
