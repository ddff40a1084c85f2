// One additive pattern database of the 4 x 4 puzzle: for every placement of a chosen group of
// tiles, the fewest moves of those tiles that bring them home while the empty cell travels as
// it must. Moves of the other tiles cost nothing, so the counts of disjoint groups can be
// added and the sum is still a lower bound.
//
// The build is a breadth-first search over the group's placements together with the empty
// cell's place; a placement keeps the least count over all places of the empty cell. Tracking
// the empty cell makes the counts far larger than those of a build that lets it stand
// anywhere: a tile can only step where the empty cell can get to without pushing another
// tile of the group.
//
// A placement is ranked as a partial permutation: the cell of the group's first tile, then
// the cell of the second among the 15 left, and so on. A count is never below the group's
// Manhattan distance and has the same parity, so the table keeps only half the difference, in
// four bits per placement (differences past 30 are cut to 30, which stays a lower bound).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class PatternDatabase {
 public:
  static constexpr int kMaxTiles = 6;

  // Builds the table for tiles (1..15). Returns nothing when cancel was raised meanwhile.
  static std::unique_ptr<PatternDatabase> Build(const std::vector<int>& tiles,
                                                const std::atomic<bool>& cancel);

  const std::vector<int>& Tiles() const { return tiles_; }

  // The moves the group needs when its tiles stand at cells[0..], in the order of Tiles().
  int Cost(const int* cells) const;

  int TileCount() const { return static_cast<int>(tiles_.size()); }
  std::size_t Size() const { return placements_; }
  std::size_t Bytes() const { return halfExcess_.size(); }

  static std::uint32_t Rank(const int* cells, int count);
  static void Unrank(std::uint32_t rank, int count, int* cells);

 private:
  friend class PatternBuild;
  explicit PatternDatabase(std::vector<int> tiles);
  int HalfExcess(std::uint32_t rank) const;
  void LowerHalfExcess(std::uint32_t rank, int value);
  int Manhattan(const int* cells) const;

  std::vector<int> tiles_;
  std::size_t placements_;
  std::vector<std::uint8_t> halfExcess_;  // two placements a byte, low nibble first
  std::array<std::array<std::uint8_t, 16>, kMaxTiles> distance_{};  // [tile index][cell]
};
