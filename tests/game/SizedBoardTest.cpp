// The rules of the board at every size, one table of what each side must give: neighbours at
// the corners and where two rows touch in memory, which boards are solvable, the deal, the
// keyboard's cells and the row slides in all four directions.
#include "game/SizedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

#include "game/RandomInt.h"

namespace {

struct SizeCase {
  int side;
  // Left, right, above, below: the four corners, then the last cell of the first row and the
  // first of the second, which touch in memory but not on the board.
  std::vector<std::pair<int, std::array<int, 4>>> neighbours;
  // The tiles in order one cell on, the gap first: solvable at an odd width only.
  bool shiftedSolvable;
  // The cells that Up, Down, Left and Right move with the gap top left, then bottom right.
  std::array<int, 4> keysFromFirst, keysFromLast;
  // Row slides with the gap top left to the row's end and the column's foot, then with the gap
  // bottom right to the row's start and the column's top.
  std::vector<int> toRowEnd, toColumnFoot, toRowStart, toColumnTop;
  int deals;
};

const SizeCase kSizes[] = {
    {3,
     {{0, {-1, 1, -1, 3}},
      {2, {1, -1, -1, 5}},
      {6, {-1, 7, 3, -1}},
      {8, {7, -1, 5, -1}},
      {3, {-1, 4, 0, 6}}},
     true,
     {3, -1, 1, -1},
     {-1, 5, -1, 7},
     {1, 2},
     {3, 6},
     {7, 6},
     {5, 2},
     40000},
    {4,
     {{0, {-1, 1, -1, 4}},
      {3, {2, -1, -1, 7}},
      {12, {-1, 13, 8, -1}},
      {15, {14, -1, 11, -1}},
      {4, {-1, 5, 0, 8}}},
     false,
     {4, -1, 1, -1},
     {-1, 11, -1, 14},
     {1, 2, 3},
     {4, 8, 12},
     {14, 13, 12},
     {11, 7, 3},
     8000},
    {5,
     {{0, {-1, 1, -1, 5}},
      {4, {3, -1, -1, 9}},
      {20, {-1, 21, 15, -1}},
      {24, {23, -1, 19, -1}},
      {5, {-1, 6, 0, 10}}},
     true,
     {5, -1, 1, -1},
     {-1, 19, -1, 23},
     {1, 2, 3, 4},
     {5, 10, 15, 20},
     {23, 22, 21, 20},
     {19, 14, 9, 4},
     4000},
    {6,
     {{0, {-1, 1, -1, 6}},
      {5, {4, -1, -1, 11}},
      {30, {-1, 31, 24, -1}},
      {35, {34, -1, 29, -1}},
      {6, {-1, 7, 0, 12}}},
     false,
     {6, -1, 1, -1},
     {-1, 29, -1, 34},
     {1, 2, 3, 4, 5},
     {6, 12, 18, 24, 30},
     {34, 33, 32, 31, 30},
     {29, 23, 17, 11, 5},
     3000},
};

bool EvenAmongTiles(const SizedBoard& board) {
  int inversions = 0;
  for (int i = 0; i < board.CellCount(); ++i) {
    for (int j = i + 1; j < board.CellCount(); ++j) {
      const bool tiles = board[i] != board.GapValue() && board[j] != board.GapValue();
      inversions += tiles && board[j] < board[i] ? 1 : 0;
    }
  }
  return inversions % 2 == 0;
}

SizedBoard Swapped(SizedBoard board, int a, int b) {
  std::swap(board[a], board[b]);
  return board;
}

void CheckParity(const SizeCase& test) {
  const SizedBoard ordered(test.side);
  const int last = ordered.CellCount() - 1;
  SizedBoard shifted(test.side);
  for (int cell = 0; cell < ordered.CellCount(); ++cell)
    shifted[cell] = cell == 0 ? last + 1 : cell;
  SizedBoard repeated(test.side);
  repeated[0] = 2;
  EXPECT_TRUE(IsSolvable(ordered));
  EXPECT_FALSE(IsSolvable(Swapped(ordered, 0, 1)));
  EXPECT_TRUE(IsSolvable(Swapped(ordered, last, last - 1)));          // the gap one step left
  EXPECT_TRUE(IsSolvable(Swapped(ordered, last, last - test.side)));  // and one step up
  EXPECT_EQ(IsSolvable(shifted), test.shiftedSolvable);
  EXPECT_FALSE(IsSolvable(repeated));
}

void CheckSlides(const SizeCase& test) {
  const SizedBoard fromLast(test.side);
  const SizedBoard fromFirst = Swapped(fromLast, 0, fromLast.CellCount() - 1);
  const Slide keys[] = {Slide::Up, Slide::Down, Slide::Left, Slide::Right};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(CellToSlide(fromFirst, keys[i]), test.keysFromFirst[i]) << "key " << i;
    EXPECT_EQ(CellToSlide(fromLast, keys[i]), test.keysFromLast[i]) << "key " << i;
  }
  const std::pair<const SizedBoard*, const std::vector<int>*> slides[] = {
      {&fromFirst, &test.toRowEnd},
      {&fromFirst, &test.toColumnFoot},
      {&fromLast, &test.toRowStart},
      {&fromLast, &test.toColumnTop}};
  for (const auto& [board, cells] : slides) {
    EXPECT_EQ(RowSlideCells(*board, cells->back()), *cells);
    SizedBoard played = *board;
    for (int cell : *cells) EXPECT_TRUE(MoveTile(played, cell));
    EXPECT_EQ(played.Gap(), cells->back());
  }
  EXPECT_TRUE(RowSlideCells(fromFirst, test.side + 1).empty());  // in neither line
  EXPECT_TRUE(RowSlideCells(fromFirst, 0).empty());              // the gap itself
  EXPECT_TRUE(RowSlideCells(fromFirst, fromFirst.CellCount()).empty());
}

// Every deal is solvable with the gap last and never the ordered board, and each tile is about
// as likely as any other to open the first row.
void CheckDeals(const SizeCase& test) {
  RandomInt(1, 2);  // seeds from the clock once; srand replaces it
  std::srand(41);
  std::vector<int> firstTiles(test.side * test.side, 0);
  for (int i = 0; i < test.deals; ++i) {
    const SizedBoard board = DealBoard(test.side);
    ASSERT_TRUE(board.HoldsEveryValueOnce());
    ASSERT_EQ(board.Gap(), board.CellCount() - 1);
    ASSERT_TRUE(EvenAmongTiles(board));
    ASSERT_FALSE(board.IsOrdered());
    ++firstTiles[board[0]];
  }
  const int expected = test.deals / (test.side * test.side - 1);
  for (int tile = 1; tile < test.side * test.side; ++tile) {
    EXPECT_NEAR(firstTiles[tile], expected, expected * 0.4) << "tile " << tile;
  }
  // The draw under the same seed meets the ordered board at 3 x 3, so the deal had to refuse it.
  if (test.side != 3) return;
  std::srand(41);
  int ordered = 0;
  for (int i = 0; i < test.deals; ++i) ordered += DrawSolvableBoard(test.side).IsOrdered();
  EXPECT_GT(ordered, 0);
}

TEST(SizedBoard, TheRulesHoldAtEverySize) {
  for (const SizeCase& test : kSizes) {
    SCOPED_TRACE(test.side);
    const SizedBoard ordered(test.side);
    EXPECT_EQ(ordered.CellCount(), test.side * test.side);
    EXPECT_EQ(ordered.Gap(), ordered.CellCount() - 1);
    EXPECT_TRUE(ordered.IsOrdered());
    for (const auto& [cell, expected] : test.neighbours) {
      EXPECT_EQ(NeighboursOf(test.side, cell), expected) << "cell " << cell;
    }
    CheckParity(test);
    CheckSlides(test);
    CheckDeals(test);
  }
}

}  // namespace
