#include "game/BoardSolver.h"

#include "game/PuzzleRules.h"
#include "game/ReductionSolver.h"
#include "game/ShortestSolver.h"
#include "game/ThreeByThreeSolver.h"

BoardSolution SolveBoard(const SizedBoard& board, const std::atomic<bool>& cancel) {
  switch (board.Side()) {
    case kSmallestSide:
      return SolveThreeByThree(board, cancel);
    case kBoardSide:
      return SolveShortest(ToFourByFour(board), cancel);
    default:
      return SolveByReduction(board, cancel);
  }
}
