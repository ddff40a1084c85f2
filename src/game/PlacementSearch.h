// One step of the solver for the large boards (game/ReductionSolver.h): the fewest moves that
// bring one or two tiles home while the cells already placed keep their tiles. A breadth-first
// search over where the gap and those tiles stand, every other tile taken as any tile: at most
// 36 * 35 * 34 states on a 6 x 6 board, a millisecond or two.
//
// One object serves every step of a solve, so the search's buffers are made once.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "game/SizedBoard.h"

class PlacementSearch {
 public:
  static constexpr int kMostTiles = 2;

  PlacementSearch(int side, const std::atomic<bool>& cancel);

  // The moves that bring tiles[0 .. count - 1] home on board without moving the tiles of the
  // cells in fixedCells (bit i for cell i); false, with no moves, when the flag was raised
  // or no way exists.
  bool Place(const SizedBoard& board, const int* tiles, int count, std::uint64_t fixedCells,
             std::vector<int>& moves);

  unsigned long long Nodes() const { return nodes_; }

 private:
  // A state is the gap's cell, then each tile's, as the digits of one number in base N * N.
  struct Places {
    int gap;
    int tiles[kMostTiles];
  };
  std::uint32_t Encode(const Places& places) const;
  Places Decode(std::uint32_t state) const;
  bool AtHome(const Places& places) const;
  void Expand(std::uint32_t state, std::uint64_t fixedCells);
  void TraceBack(std::uint32_t state, std::vector<int>& moves) const;

  const int side_;
  const int cells_;
  const std::atomic<bool>& cancel_;
  int count_ = 0;
  int homes_[kMostTiles] = {};
  // The state each was first reached from; kUnreached before.
  std::vector<std::uint32_t> cameFrom_;
  std::vector<std::uint32_t> queue_;
  unsigned long long nodes_ = 0;
};
