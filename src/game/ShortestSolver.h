// The shortest solution of a 4 x 4 board: iterative-deepening A* guided by additive pattern
// databases. Two partitions of the tiles (game/PatternTables.h: each two groups of six and
// one of three) are each read on the board and on its mirror image across the main diagonal;
// the largest of the four sums is the estimate. The tables (11 MiB) are made when the program
// is built and linked in as read-only data: nothing is built at run time, and a process takes
// their pages into memory only as its searches touch them.
//
// Safe to call from any thread. A search watches its cancel flag, so a newer board can
// abandon an older search within a fraction of a millisecond.
#pragma once

#include <atomic>
#include <vector>

#include "game/BoardSolution.h"
#include "game/PuzzleRules.h"

// Always shortest; nodes measure the estimate's strength.
using ShortestSolution = BoardSolution;

// True when board holds each of 1..16 once and the goal can be reached from it.
bool IsSolvableBoard(const Board& board);

ShortestSolution SolveShortest(const Board& board, const std::atomic<bool>& cancel);
ShortestSolution SolveShortest(const Board& board);
