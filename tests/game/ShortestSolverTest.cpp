// The shortest-solution search against boards whose distance is known: random walks from the
// goal (the answer must solve them and be no longer than the walk), every board a breadth-
// first search of our own finds near the goal (the lengths must agree), and the two longest
// boards of the puzzle, which need exactly 80 moves.
#include "game/ShortestSolver.h"

#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

namespace {

Board Goal() {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) board[i] = i + 1;
  return board;
}

int EmptyCellOf(const Board& board) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (board[cell] == kEmptyCell) return cell;
  }
  return -1;
}

std::vector<int> CellsBesideEmpty(const Board& board) {
  const int empty = EmptyCellOf(board);
  std::vector<int> cells;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (EmptyNeighbour(board, cell) == empty) cells.push_back(cell);
  }
  return cells;
}

Board RandomWalk(std::mt19937& random, int steps) {
  Board board = Goal();
  for (int i = 0; i < steps; ++i) {
    const std::vector<int> cells = CellsBesideEmpty(board);
    MoveTile(board, cells[random() % cells.size()]);
  }
  return board;
}

// Applies the moves one by one; each must slide a tile that stands beside the empty cell.
bool Replays(Board board, const std::vector<int>& moves) {
  for (int cell : moves) {
    if (!MoveTile(board, cell)) return false;
  }
  return IsSolved(board);
}

std::uint64_t Key(const Board& board) {
  std::uint64_t key = 0;
  for (int value : board) key = key << 4 | static_cast<std::uint64_t>(value - 1);
  return key;
}

// Every board within maxDepth moves of the goal with its exact distance.
std::vector<std::pair<Board, int>> BreadthFirstFromGoal(int maxDepth) {
  std::unordered_map<std::uint64_t, int> seen{{Key(Goal()), 0}};
  std::vector<std::pair<Board, int>> found{{Goal(), 0}};
  for (std::size_t next = 0; next < found.size(); ++next) {
    const auto [board, depth] = found[next];
    if (depth == maxDepth) continue;
    for (int cell : CellsBesideEmpty(board)) {
      Board moved = board;
      MoveTile(moved, cell);
      if (seen.emplace(Key(moved), depth + 1).second) found.emplace_back(moved, depth + 1);
    }
  }
  return found;
}

// Written row by row with 0 for the empty cell, for a goal that has the empty cell first.
// Turned half round and numbered 16 - n, the same board has our goal, the empty cell last.
Board FromEmptyFirstNotation(const std::array<int, kCellCount>& rows) {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) {
    board[kCellCount - 1 - i] = rows[i] == 0 ? kEmptyCell : kCellCount - rows[i];
  }
  return board;
}

Board AsWritten(const std::array<int, kCellCount>& rows) {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) board[i] = rows[i] == 0 ? kEmptyCell : rows[i];
  return board;
}

TEST(ShortestSolver, SolvesRandomWalksInNoMoreMovesThanTheWalk) {
  std::mt19937 random(18);
  for (int i = 0; i < 100; ++i) {
    const int steps = 10 + i % 40;
    const Board board = RandomWalk(random, steps);
    const ShortestSolution solution = SolveShortest(board);
    ASSERT_EQ(solution.outcome, SolveOutcome::Solved) << "board " << i;
    EXPECT_TRUE(Replays(board, solution.moves)) << "board " << i;
    EXPECT_LE(solution.Length(), steps) << "board " << i;
  }
}

TEST(ShortestSolver, LengthsMatchABreadthFirstCountNearTheGoal) {
  const std::vector<std::pair<Board, int>> boards = BreadthFirstFromGoal(12);
  ASSERT_GT(boards.size(), 10000u);
  for (std::size_t i = 0; i < boards.size(); i += 7) {
    const auto& [board, distance] = boards[i];
    const ShortestSolution solution = SolveShortest(board);
    ASSERT_EQ(solution.Length(), distance) << "board " << i;
    ASSERT_TRUE(Replays(board, solution.moves)) << "board " << i;
  }
}

const std::array<int, kCellCount> kLongest[] = {
    {15, 14, 8, 12, 10, 11, 9, 13, 2, 6, 5, 1, 3, 7, 4, 0},
    {15, 11, 8, 12, 14, 10, 9, 13, 2, 6, 1, 4, 3, 7, 5, 0}};

TEST(ShortestSolver, TheLongestBoardsAsWrittenHaveTheWrongParityForOurGoal) {
  for (const auto& rows : kLongest) {
    EXPECT_EQ(SolveShortest(AsWritten(rows)).outcome, SolveOutcome::Unsolvable);
    EXPECT_TRUE(IsSolvableBoard(FromEmptyFirstNotation(rows)));
  }
}

// Each board costs the search a few hundred million nodes: minutes of CPU even optimised, many
// more under the sanitizers. So tests/CMakeLists.txt runs each as a test of its own labelled
// "long", and tools/run-tests.sh runs them in the plain pass only.
class LongestBoard : public testing::TestWithParam<int> {};

TEST_P(LongestBoard, TakesEightyMoves) {
  const Board board = FromEmptyFirstNotation(kLongest[GetParam()]);
  const ShortestSolution solution = SolveShortest(board);
  ASSERT_EQ(solution.outcome, SolveOutcome::Solved);
  EXPECT_EQ(solution.Length(), 80);
  EXPECT_TRUE(Replays(board, solution.moves));
}

INSTANTIATE_TEST_SUITE_P(ShortestSolver, LongestBoard, testing::Values(0, 1));

TEST(ShortestSolver, RefusesBoardsThatCannotReachTheGoal) {
  Board swapped = Goal();
  std::swap(swapped[13], swapped[14]);
  Board repeated = Goal();
  repeated[0] = 2;
  Board outOfRange = Goal();
  outOfRange[3] = 0;
  for (const Board& board : {swapped, repeated, outOfRange}) {
    const ShortestSolution solution = SolveShortest(board);
    EXPECT_EQ(solution.outcome, SolveOutcome::Unsolvable);
    EXPECT_TRUE(solution.moves.empty());
  }
  EXPECT_FALSE(IsSolvableBoard(swapped));
  EXPECT_TRUE(IsSolvableBoard(Goal()));
}

TEST(ShortestSolver, ARaisedCancelFlagStopsTheSearch) {
  const std::atomic<bool> cancel{true};
  std::mt19937 random(7);
  const ShortestSolution solution = SolveShortest(RandomWalk(random, 200), cancel);
  EXPECT_EQ(solution.outcome, SolveOutcome::Cancelled);
  EXPECT_TRUE(solution.moves.empty());
}

}  // namespace
