// The puzzle rules without a window: parity, moves next to the empty cell, and shuffles.
#include "game/PuzzleRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "support/GameBoards.h"

namespace {

using game_boards::BoardWithEmptyAt;
using game_boards::OrderedBoard;

int InversionsAmongTiles(const Board& board) {
  int inversions = 0;
  for (int i = 0; i < kCellCount - 1; ++i) {
    for (int j = i + 1; j < kCellCount - 1; ++j) inversions += board[j] < board[i] ? 1 : 0;
  }
  return inversions;
}

TEST(PuzzleRules, ParityCountsInversionsLeavingOutTheLastValue) {
  EXPECT_TRUE(IsEvenPermutation({}));
  EXPECT_TRUE(IsEvenPermutation({9}));
  EXPECT_TRUE(IsEvenPermutation({1, 2, 0}));
  EXPECT_FALSE(IsEvenPermutation({2, 1, 0}));
  EXPECT_FALSE(IsEvenPermutation({3, 2, 1, 0}));
  EXPECT_TRUE(IsEvenPermutation({3, 1, 2, 0}));
  // Counting the last value too would make three inversions here.
  EXPECT_TRUE(IsEvenPermutation({1, 2, 3, 0}));
}

TEST(PuzzleRules, SolvedOnlyWhenEveryTileIsInItsPlace) {
  EXPECT_TRUE(IsSolved(OrderedBoard()));
  EXPECT_FALSE(IsSolved(BoardWithEmptyAt(14)));
}

TEST(PuzzleRules, ATileMovesOnlyIntoTheEmptyCellBesideIt) {
  Board board = BoardWithEmptyAt(5);
  EXPECT_EQ(EmptyNeighbour(board, 4), 5);    // left of the empty cell
  EXPECT_EQ(EmptyNeighbour(board, 6), 5);    // right
  EXPECT_EQ(EmptyNeighbour(board, 1), 5);    // above
  EXPECT_EQ(EmptyNeighbour(board, 9), 5);    // below
  EXPECT_EQ(EmptyNeighbour(board, 0), -1);   // diagonal
  EXPECT_EQ(EmptyNeighbour(board, 7), -1);   // two cells away in the row
  EXPECT_EQ(EmptyNeighbour(board, 13), -1);  // two cells away in the column
  EXPECT_EQ(EmptyNeighbour(board, 5), -1);   // the empty cell itself
  EXPECT_EQ(EmptyNeighbour(board, -1), -1);
  EXPECT_EQ(EmptyNeighbour(board, kCellCount), -1);

  const int tile = board[9];
  EXPECT_TRUE(MoveTile(board, 9));
  EXPECT_EQ(board[5], tile);
  EXPECT_EQ(board[9], kEmptyCell);
  const Board before = board;
  EXPECT_FALSE(MoveTile(board, 0));
  EXPECT_EQ(board, before);
}

TEST(PuzzleRules, NoMoveWrapsAroundARowEnd) {
  EXPECT_EQ(EmptyNeighbour(BoardWithEmptyAt(4), 3), -1);  // column 3 to column 0 of the next row
  EXPECT_EQ(EmptyNeighbour(BoardWithEmptyAt(3), 4), -1);  // and back
  EXPECT_EQ(EmptyNeighbour(BoardWithEmptyAt(8), 7), -1);
  EXPECT_EQ(EmptyNeighbour(BoardWithEmptyAt(7), 8), -1);
}

TEST(PuzzleRules, NeighboursAreTriedLeftRightAboveBelow) {
  // A board with more than one empty entry shows the order of the tests.
  Board board = OrderedBoard();
  board[4] = board[6] = board[1] = board[9] = kEmptyCell;
  EXPECT_EQ(EmptyNeighbour(board, 5), 4);
  board[4] = 5;
  EXPECT_EQ(EmptyNeighbour(board, 5), 6);
  board[6] = 7;
  EXPECT_EQ(EmptyNeighbour(board, 5), 1);
  board[1] = 2;
  EXPECT_EQ(EmptyNeighbour(board, 5), 9);
}

TEST(PuzzleRules, AKeySlidesTheTileOnTheFarSideOfTheGapAndNothingOverAnEdge) {
  // For each gap, the cell that Up, Down, Left and Right move; -1 where the gap lies on that
  // edge (the ends of two rows touch in memory, not on the board).
  const std::array<int, 5> cases[] = {{5, 9, 1, 6, 4},   {15, -1, 11, -1, 14}, {0, 4, -1, 1, -1},
                                      {3, 7, -1, -1, 2}, {4, 8, 0, 5, -1},     {12, -1, 8, 13, -1}};
  const Slide slides[] = {Slide::Up, Slide::Down, Slide::Left, Slide::Right};
  for (const auto& test : cases) {
    const Board board = BoardWithEmptyAt(test[0]);
    for (int i = 0; i < 4; ++i) {
      const int cell = CellToSlide(board, slides[i]);
      EXPECT_EQ(cell, test[i + 1]) << "gap " << test[0] << ", slide " << i;
      // The key and the mouse agree: the cell found is one a press would move.
      if (cell >= 0) {
        EXPECT_EQ(EmptyNeighbour(board, cell), test[0]);
      }
    }
  }
}

TEST(PuzzleRules, EveryShuffleIsASolvablePermutationWithTheEmptyCellLast) {
  for (int draw = 0; draw < 2000; ++draw) {
    const Board board = ShuffleBoard();
    ASSERT_EQ(board[kCellCount - 1], kEmptyCell);
    Board sorted = board;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, OrderedBoard());
    ASSERT_EQ(InversionsAmongTiles(board) % 2, 0);
  }
}

TEST(PuzzleRules, ShufflesFollowTheRunningGeneratorWithoutReseeding) {
  RandomInt(1, 15);  // seeds from the clock once
  std::srand(7);
  const Board first = ShuffleBoard();
  std::srand(7);
  EXPECT_EQ(ShuffleBoard(), first);
  std::srand(8);
  EXPECT_NE(ShuffleBoard(), first);
  // Two shuffles within the same second differ.
  EXPECT_NE(ShuffleBoard(), ShuffleBoard());
}

TEST(PuzzleRules, RandomIntStaysInItsRangeAndToleratesAnEmptyOne) {
  for (int draw = 0; draw < 1000; ++draw) {
    const int value = RandomInt(1, 15);
    ASSERT_GE(value, 1);
    ASSERT_LE(value, 15);
  }
  EXPECT_EQ(RandomInt(3, 3), 3);
  EXPECT_EQ(RandomInt(5, 4), 5);
  EXPECT_EQ(RandomInt(5, 2), 5);
  for (int draw = 0; draw < 100; ++draw) {
    const int value = RandomInt(-5, -3);
    ASSERT_GE(value, -5);
    ASSERT_LE(value, -3);
  }
}

}  // namespace
