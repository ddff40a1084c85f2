// The shortest solution of a 4 x 4 board: iterative-deepening A* guided by three disjoint
// pattern databases (two groups of six tiles and one of three), read once for the board and
// once for its mirror image across the main diagonal; the larger of the two sums is the
// estimate. The tables (about 5.8 MB; the build needs 9 MB more while it runs) are built on
// the first solve and kept for the life of the process; the build counts in that first
// solve's time.
//
// Safe to call from any thread. A search watches its cancel flag, so a newer board can
// abandon an older search within a fraction of a millisecond (a table build within a few).
#pragma once

#include <atomic>
#include <vector>

#include "game/PuzzleRules.h"

enum class SolveOutcome { Solved, Unsolvable, Cancelled };

struct ShortestSolution {
  SolveOutcome outcome = SolveOutcome::Unsolvable;
  // The cells whose tile slides into the empty cell, in order (as MoveTile takes them).
  std::vector<int> moves;
  // The boards the search expanded: a measure of the estimate's strength that load does not move.
  unsigned long long nodes = 0;

  int Length() const { return static_cast<int>(moves.size()); }
};

// True when board holds each of 1..16 once and the goal can be reached from it.
bool IsSolvableBoard(const Board& board);

// Builds the tables unless they exist. False when cancel was raised first.
bool PrepareShortestSolver(const std::atomic<bool>& cancel);

ShortestSolution SolveShortest(const Board& board, const std::atomic<bool>& cancel);
ShortestSolution SolveShortest(const Board& board);
