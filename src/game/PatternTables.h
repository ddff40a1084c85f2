// The tile groups the shortest-solution search reads and the tables made for them when the
// program is built. tools/make_pattern_tables.cpp writes every group's table, group after
// group, partition after partition, to a file that src/game/PatternTables.S links into the
// program as read-only data. Those pages are mapped, not read: a process takes them into
// memory only when a search first touches them, so start-up and idle pay nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kPatternPartitionCount = 2;
constexpr int kGroupsPerPartition = 3;
// Each partition splits the fifteen tiles into two groups of six and one of three, and the
// search reads each also on the board mirrored across the main diagonal, where it acts as the
// mirrored partition: four disjoint sums, whose largest is the estimate. The first groups
// tiles by columns: the left two but 2, the right two but 3 and 4, the top row's 2, 3, 4
// (mirrored: the top two rows but 5, ...). The second cuts the board into blocks: the top two
// rows' first three columns, the bottom two rows' first three, the right column (mirrored:
// the two 3 x 2 blocks of the left and right columns, the bottom row). Where one partition
// splits tiles that block each other between groups, and so misses what it costs to pass,
// another often keeps them together.
inline const std::vector<int> kPatternGroups[kPatternPartitionCount][kGroupsPerPartition] = {
    {{1, 5, 6, 9, 10, 13}, {7, 8, 11, 12, 14, 15}, {2, 3, 4}},
    {{1, 2, 3, 5, 6, 7}, {9, 10, 11, 13, 14, 15}, {4, 8, 12}}};

// The tables linked into the program, group after group, partition after partition.
struct PatternTableBytes {
  const std::uint8_t* data;
  std::size_t size;
};
PatternTableBytes LinkedPatternTables();
