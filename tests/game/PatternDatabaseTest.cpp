// The pattern table of the top row's 2, 3 and 4 against a plain 0-1 breadth-first search of
// our own over every placement of the three tiles and the empty cell (a move of any other
// tile is free), and the cost of ignoring where the empty cell stands.
#include "game/PatternDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>

#include "game/PatternBuild.h"
#include "game/PatternTables.h"
#include "game/PuzzleRules.h"

namespace {

const std::vector<int> kTopRow = {2, 3, 4};
constexpr int kUnset = -1;

int StateOf(const std::array<int, 4>& cells) {
  return ((cells[0] * kCellCount + cells[1]) * kCellCount + cells[2]) * kCellCount + cells[3];
}

// Exact counts of pattern moves for every placement of 2, 3, 4 (cells[0..2]) and the empty
// cell (cells[3]), from the goal outwards.
std::vector<int> ZeroOneSearch() {
  std::vector<int> counts(kCellCount * kCellCount * kCellCount * kCellCount, kUnset);
  std::deque<std::pair<std::array<int, 4>, int>> queue{{{1, 2, 3, kCellCount - 1}, 0}};
  while (!queue.empty()) {
    const auto [cells, count] = queue.front();
    queue.pop_front();
    if (counts[StateOf(cells)] != kUnset) continue;
    counts[StateOf(cells)] = count;
    const int empty = cells[3];
    for (int step : {-1, 1, -kBoardSide, kBoardSide}) {
      const int next = empty + step;
      if (next < 0 || next >= kCellCount) continue;
      if ((step == 1 || step == -1) && next / kBoardSide != empty / kBoardSide) continue;
      std::array<int, 4> moved = cells;
      moved[3] = next;
      bool pushesTile = false;
      for (int i = 0; i < 3; ++i) {
        if (moved[i] == next) moved[i] = empty, pushesTile = true;
      }
      if (pushesTile) {
        queue.emplace_back(moved, count + 1);
      } else {
        queue.emplace_front(moved, count);
      }
    }
  }
  return counts;
}

TEST(PatternDatabase, EveryCountIsTheLeastOverThePlacesOfTheEmptyCell) {
  const std::vector<std::uint8_t> bytes = BuildPatternTable(kTopRow);
  ASSERT_EQ(bytes.size(), 16u * 15u * 14u / 2);
  const PatternDatabase table(kTopRow, bytes.data());
  const std::vector<int> exact = ZeroOneSearch();
  int aboveManhattan = 0;
  for (std::uint32_t rank = 0; rank < 16u * 15u * 14u; ++rank) {
    std::array<int, 4> cells{};
    PatternDatabase::Unrank(rank, 3, cells.data());
    int least = kUnset;
    for (int empty = 0; empty < kCellCount; ++empty) {
      cells[3] = empty;
      const int count = empty == cells[0] || empty == cells[1] || empty == cells[2]
                            ? kUnset
                            : exact[StateOf(cells)];
      if (count != kUnset && (least == kUnset || count < least)) least = count;
    }
    ASSERT_EQ(table.Cost(cells.data()), least) << "rank " << rank;
    int manhattan = 0;  // tile i + 2 belongs at cell i + 1 of the top row
    for (int i = 0; i < 3; ++i)
      manhattan += cells[i] / kBoardSide + std::abs(cells[i] % 4 - (i + 1));
    if (least > manhattan) ++aboveManhattan;
  }
  EXPECT_GT(aboveManhattan, 0);
}

// The linked bytes hold the table of the top row's 2, 3, 4 exactly as a build here makes it,
// at the offset the search reads: the generator ran on these groups and the tables are whole.
TEST(PatternDatabase, TheLinkedTablesHoldTheTopRowTableWhereTheSearchReadsIt) {
  std::size_t offset = 0, topRowOffset = 0;
  for (const auto& partition : kPatternGroups) {
    for (const std::vector<int>& group : partition) {
      if (group == kTopRow) topRowOffset = offset;
      offset += PatternDatabase::BytesFor(static_cast<int>(group.size()));
    }
  }
  const PatternTableBytes linked = LinkedPatternTables();
  ASSERT_EQ(linked.size, offset);
  const std::vector<std::uint8_t> built = BuildPatternTable(kTopRow);
  EXPECT_TRUE(std::equal(built.begin(), built.end(), linked.data + topRowOffset));
}

}  // namespace
