// The rules of the 4 x 4 puzzle as the main window plays it, free of X: the parity test that
// tells a solvable arrangement, the shuffle and the neighbour search of a move. Each is the
// rule of game/SizedBoard.h at side 4, on the fixed-size board the 4 x 4 game keeps.
//
// A board is 16 entries in row-major order, each the number of a tile 1..15 or 16 for the
// empty cell.
#pragma once

#include <array>
#include <vector>

#include "game/RandomInt.h"
#include "game/SizedBoard.h"

constexpr int kBoardSide = 4;
constexpr int kCellCount = kBoardSide * kBoardSide;
constexpr int kEmptyCell = 16;

using Board = std::array<int, kCellCount>;

SizedBoard FromFourByFour(const Board& board);
// The first 16 cells of a 4 x 4 board; a board of another side gives nothing of use.
Board ToFourByFour(const SizedBoard& board);

// True when the values, leaving out the last, hold an even number of inversions.
bool IsEvenPermutation(const std::vector<int>& values);

// A random arrangement of the 15 tiles with the empty cell last and an even inversion count.
Board ShuffleBoard();

// True when every tile stands in its place.
bool IsSolved(const Board& board);

// The index of the empty cell among the neighbours of k (left, right, above, below, in that
// order, never across a row end), or -1 when none of them is empty.
int EmptyNeighbour(const Board& board, int k);

// Slides the tile at k into the empty neighbour; false when it has none.
bool MoveTile(Board& board, int k);

// The cell whose tile moves into the empty cell for that slide: the neighbour on the
// opposite side of the gap (Left takes the tile right of the gap), or -1 when the gap lies on
// that edge or the board has no empty cell.
int CellToSlide(const Board& board, Slide slide);
