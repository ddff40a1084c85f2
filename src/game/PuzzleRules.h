// The rules of the sliding puzzle, free of X: the random draw, the parity test that tells a
// solvable arrangement, the shuffle and the neighbour search of a move.
//
// A board is 16 entries in row-major order, each the number of a tile 1..15 or 16 for the
// empty cell.
#pragma once

#include <array>
#include <vector>

constexpr int kBoardSide = 4;
constexpr int kCellCount = kBoardSide * kBoardSide;
constexpr int kEmptyCell = 16;

using Board = std::array<int, kCellCount>;

// lo + rand() mod (hi - lo + 1); seeds the generator from the clock on first use only.
int RandomInt(int lo, int hi);

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

// A slide asked for from the keyboard: the direction in which a tile moves into the gap.
enum class Slide { Up, Down, Left, Right };

// The cell whose tile moves into the empty cell for that slide: the neighbour on the
// opposite side of the gap (Left takes the tile right of the gap), or -1 when the gap lies on
// that edge or the board has no empty cell.
int CellToSlide(const Board& board, Slide slide);

// Forgets that the generator was seeded, so the next draw seeds it again. For tests.
void ResetRandomSeed();
