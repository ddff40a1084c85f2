#include "game/ThreeByThreeSolver.h"

#include "game/ThreeByThreeTable.h"

// Defined by ThreeByThreeTable.S around the generated file.
extern "C" const std::uint8_t tessarin_three_by_three_table[];
extern "C" const std::uint8_t tessarin_three_by_three_table_end[];

namespace {

bool TableIsLinked() {
  return static_cast<std::size_t>(tessarin_three_by_three_table_end -
                                  tessarin_three_by_three_table) == kThreeByThreeTableBytes;
}

// The neighbour of the gap whose tile, moved, leaves the board one move nearer the goal; -1
// only if the table is not what the build made.
int NearerMove(const ThreeByThreeTable& table, const SizedBoard& board, int distance,
               unsigned long long& nodes) {
  for (int from : NeighboursOf(kThreeByThreeSide, board.Gap())) {
    if (from < 0) continue;
    SizedBoard moved = board;
    MoveTile(moved, from);
    ++nodes;
    if (table.Distance(moved) == distance - 1) return from;
  }
  return -1;
}

}  // namespace

BoardSolution SolveThreeByThree(const SizedBoard& board, const std::atomic<bool>& cancel) {
  BoardSolution solution;
  if (board.Side() != kThreeByThreeSide || !IsSolvable(board) || !TableIsLinked()) {
    return solution;
  }
  if (cancel.load()) {
    solution.outcome = SolveOutcome::Cancelled;
    return solution;
  }
  const ThreeByThreeTable table(tessarin_three_by_three_table);
  SizedBoard walked = board;
  for (int distance = table.Distance(walked); distance > 0; --distance) {
    const int from = NearerMove(table, walked, distance, solution.nodes);
    if (from < 0) return BoardSolution{};
    MoveTile(walked, from);
    solution.moves.push_back(from);
  }
  solution.outcome = SolveOutcome::Solved;
  return solution;
}
