// The shortest solution of a 3 x 3 board, read from the distance table linked into the program
// (game/ThreeByThreeTable.h): from each board, a move to a neighbour one move nearer the goal.
// At most 31 steps of at most four table reads, so it answers in microseconds, even at the
// first call of a process, whose reads take the table's pages in.
//
// Safe to call from any thread.
#pragma once

#include <atomic>

#include "game/BoardSolution.h"
#include "game/SizedBoard.h"

BoardSolution SolveThreeByThree(const SizedBoard& board, const std::atomic<bool>& cancel);
