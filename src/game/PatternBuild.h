// Makes the bytes of one PatternDatabase: a breadth-first search over the placements of the
// group together with the free region that holds the empty cell. Sliding the empty cell inside
// its region costs nothing, so the region is all that matters of it; a group tile beside the
// region can step into it, leaving the empty cell where the tile stood. A placement keeps the
// least count over its regions.
//
// Tracking the empty cell makes the counts far larger than those of a search that lets it
// stand anywhere: a tile can only step where the empty cell can get to without pushing another
// tile of the group. The search runs when the program is built (tools/make_pattern_tables.cpp:
// about 6 s of CPU and 46 MB for a group of six), and in the tests on a small group.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> BuildPatternTable(const std::vector<int>& tiles);
