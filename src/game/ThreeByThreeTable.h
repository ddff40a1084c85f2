// The distance of every solvable 3 x 3 board from the goal, made when the program is built by
// BuildThreeByThreeTable, a breadth-first search from the ordered board over all 181,440 of
// them (9! / 2), and only read here.
//
// A board is ranked by the cells of the gap and of tiles 1 to 6, as a partial permutation
// (9 * 8 * 7 * 6 * 5 * 4 * 3 = 181,440 ranks): tiles 7 and 8 fill the last two cells in the
// one order that is solvable, since swapping two tiles turns the parity of the arrangement
// and leaves the gap where it is. A distance has the parity of the gap's distance from its
// home, so a rank keeps only half of it, in four bits (the longest board needs 31 moves), low
// nibble first: 90,720 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/SizedBoard.h"

constexpr int kThreeByThreeSide = 3;
constexpr std::uint32_t kThreeByThreeBoards = 181440;
constexpr std::size_t kThreeByThreeTableBytes = kThreeByThreeBoards / 2;

class ThreeByThreeTable {
 public:
  // halfDistances holds kThreeByThreeTableBytes bytes and must outlive the object.
  explicit ThreeByThreeTable(const std::uint8_t* halfDistances) : halfDistances_(halfDistances) {}

  // The fewest moves that bring a solvable 3 x 3 board into order.
  int Distance(const SizedBoard& board) const;

  static std::uint32_t Rank(const SizedBoard& board);
  static SizedBoard Unrank(std::uint32_t rank);

 private:
  const std::uint8_t* halfDistances_;
};

// The table's bytes; nothing if the search missed a board, which only a broken ranking can do.
std::vector<std::uint8_t> BuildThreeByThreeTable();
