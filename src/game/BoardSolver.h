// The hint's one way to a solution at every size, chosen by the board's side: 3 x 3 and 4 x 4
// the shortest (game/ThreeByThreeSolver.h, game/ShortestSolver.h), 5 x 5 and 6 x 6 a quick one
// that is not (game/ReductionSolver.h), which the answer says. Every solver watches the same
// cancel flag and answers in the same form.
#pragma once

#include <atomic>

#include "game/BoardSolution.h"
#include "game/SizedBoard.h"

BoardSolution SolveBoard(const SizedBoard& board, const std::atomic<bool>& cancel);
