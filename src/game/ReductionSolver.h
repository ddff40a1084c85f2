// A solution of a large board, found quickly but not the shortest: the board is made smaller
// one ring at a time. The top row goes home, then the left column, each a tile or two at a
// time (game/PlacementSearch.h) with the tiles already home held fixed; that leaves the
// board one side smaller below and to the right, until the last 3 x 3 is solved shortest from
// its table (game/ThreeByThreeSolver.h). The last two tiles of a line go home together: alone,
// the last one could only enter its corner by pushing out the one before it.
//
// A 6 x 6 board takes a few milliseconds. Safe to call from any thread; the search watches
// its cancel flag.
#pragma once

#include <atomic>

#include "game/BoardSolution.h"
#include "game/SizedBoard.h"

BoardSolution SolveByReduction(const SizedBoard& board, const std::atomic<bool>& cancel);
