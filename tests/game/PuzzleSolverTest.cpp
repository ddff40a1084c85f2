// The solver that the end-to-end tests use to win the real game: it must bring every solvable
// board into order using only presses the game accepts, and refuse the boards no sequence of
// slides can order.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

#include "support/PuzzleSolver.h"

namespace {

using fifteen::Board;
using fifteen::kEmpty;

std::string Describe(const Board& board) {
  std::string text;
  for (int value : board) text += std::to_string(value) + " ";
  return text;
}

Board RandomWalkFromOrder(std::mt19937& random, int presses) {
  Board board = fifteen::OrderedBoard();
  std::uniform_int_distribution<int> anyCell(0, fifteen::kCells - 1);
  for (int done = 0; done < presses;) {
    if (fifteen::Slide(board, anyCell(random))) ++done;
  }
  return board;
}

Board RandomArrangement(std::mt19937& random) {
  Board board{};
  std::iota(board.begin(), board.end(), 0);
  std::shuffle(board.begin(), board.end(), random);
  return board;
}

// What START hands the player: the empty cell bottom right and an even number of
// inversions among the fifteen tiles.
Board RandomStartLikeTheGame(std::mt19937& random) {
  Board board;
  do {
    board = RandomArrangement(random);
    std::swap(*std::find(board.begin(), board.end(), kEmpty), board[fifteen::kCells - 1]);
  } while (fifteen::CountInversions(board) % 2 != 0);
  return board;
}

Board SwapTwoTiles(Board board) {
  const int first = board[0] == kEmpty ? 2 : 0;
  const int second = board[1] == kEmpty ? 2 : 1;
  std::swap(board[first], board[second]);
  return board;
}

// Replays the presses the way the game would and says where it went wrong, if anywhere.
::testing::AssertionResult SolvesBoard(const Board& start) {
  const auto presses = fifteen::Solve(start);
  if (!presses) return ::testing::AssertionFailure() << "no solution for " << Describe(start);
  Board board = start;
  for (std::size_t i = 0; i < presses->size(); ++i) {
    if (!fifteen::Slide(board, (*presses)[i])) {
      return ::testing::AssertionFailure()
             << "press " << i << " on cell " << (*presses)[i] << " moves nothing on "
             << Describe(board) << " (start " << Describe(start) << ")";
    }
  }
  if (!fifteen::IsOrdered(board)) {
    return ::testing::AssertionFailure()
           << "ends on " << Describe(board) << " (start " << Describe(start) << ")";
  }
  return ::testing::AssertionSuccess();
}

TEST(PuzzleSolverTest, AnOrderedBoardNeedsNoPress) {
  const auto presses = fifteen::Solve(fifteen::OrderedBoard());
  ASSERT_TRUE(presses.has_value());
  EXPECT_TRUE(presses->empty());
}

TEST(PuzzleSolverTest, OneSlideAwayIsSolvedWithThatOnePressBack) {
  Board board = fifteen::OrderedBoard();
  ASSERT_TRUE(fifteen::Slide(board, 14));
  const auto presses = fifteen::Solve(board);
  ASSERT_TRUE(presses.has_value());
  EXPECT_EQ(*presses, std::vector<int>{15});
}

TEST(PuzzleSolverTest, SlideMovesOnlyATileNextToTheEmptyCell) {
  Board board = fifteen::OrderedBoard();
  EXPECT_FALSE(fifteen::Slide(board, 15)) << "the empty cell itself";
  EXPECT_FALSE(fifteen::Slide(board, 10)) << "diagonal";
  EXPECT_FALSE(fifteen::Slide(board, 13)) << "two cells away in the row";
  EXPECT_FALSE(fifteen::Slide(board, 7)) << "two cells away in the column";
  EXPECT_EQ(board, fifteen::OrderedBoard());

  ASSERT_TRUE(fifteen::Slide(board, 14));
  ASSERT_TRUE(fifteen::Slide(board, 13));
  ASSERT_TRUE(fifteen::Slide(board, 12));
  ASSERT_EQ(fifteen::EmptyCell(board), 12);
  const Board before = board;
  EXPECT_FALSE(fifteen::Slide(board, 11)) << "the far end of the row above";
  EXPECT_EQ(board, before);
  EXPECT_TRUE(fifteen::Slide(board, 8));
  EXPECT_EQ(fifteen::EmptyCell(board), 8);
  EXPECT_EQ(board[12], 9);
}

TEST(PuzzleSolverTest, SwappingTwoTilesOfTheOrderedBoardCannotBeSolved) {
  Board board = fifteen::OrderedBoard();
  std::swap(board[13], board[14]);
  EXPECT_FALSE(fifteen::IsSolvable(board));
  EXPECT_FALSE(fifteen::Solve(board).has_value());
}

TEST(PuzzleSolverTest, ABoardWithARepeatedTileIsRefused) {
  Board board = fifteen::OrderedBoard();
  board[3] = 2;
  EXPECT_FALSE(fifteen::IsSolvable(board));
  EXPECT_FALSE(fifteen::Solve(board).has_value());
}

TEST(PuzzleSolverTest, SolvesBoardsReachedByRandomSlides) {
  std::mt19937 random(1234);
  for (int round = 0; round < 150; ++round) {
    const Board board = RandomWalkFromOrder(random, 400);
    EXPECT_TRUE(fifteen::IsSolvable(board)) << Describe(board);
    EXPECT_TRUE(SolvesBoard(board));
  }
}

TEST(PuzzleSolverTest, SolvesEveryArrangementOfTheSolvableHalfAndRefusesTheOther) {
  std::mt19937 random(98765);
  int solvable = 0;
  for (int round = 0; round < 200; ++round) {
    const Board board = RandomArrangement(random);
    if (fifteen::IsSolvable(board)) {
      ++solvable;
      EXPECT_TRUE(SolvesBoard(board));
    } else {
      EXPECT_FALSE(fifteen::Solve(board).has_value()) << Describe(board);
    }
  }
  EXPECT_GT(solvable, 50);
  EXPECT_LT(solvable, 150);
}

TEST(PuzzleSolverTest, SolvesTheBoardsStartHandsOut) {
  std::mt19937 random(4242);
  for (int round = 0; round < 150; ++round) {
    const Board board = RandomStartLikeTheGame(random);
    EXPECT_TRUE(fifteen::IsSolvable(board)) << Describe(board);
    EXPECT_TRUE(SolvesBoard(board));
    EXPECT_FALSE(fifteen::IsSolvable(SwapTwoTiles(board))) << Describe(board);
  }
}

}  // namespace
