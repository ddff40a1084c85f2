// What every solver of the puzzle answers, at every size: whether it found a way to the goal,
// the moves, and whether no shorter way exists. The hint shows any of them the same way.
#pragma once

#include <vector>

enum class SolveOutcome { Solved, Unsolvable, Cancelled };

struct BoardSolution {
  SolveOutcome outcome = SolveOutcome::Unsolvable;
  // The cells whose tile slides into the gap, in order (as MoveTile takes them).
  std::vector<int> moves;
  // The boards the search expanded: a measure of its work that load does not move.
  unsigned long long nodes = 0;
  // False when the moves reach the goal but a shorter way may exist.
  bool shortest = true;

  int Length() const { return static_cast<int>(moves.size()); }
};
