// One additive pattern database of the 4 x 4 puzzle: for every placement of a chosen group of
// tiles, the fewest moves of those tiles that bring them home while the empty cell travels as
// it must. Moves of the other tiles cost nothing, so the counts of disjoint groups can be
// added and the sum is still a lower bound.
//
// A placement is ranked as a partial permutation: the cell of the group's first tile, then
// the cell of the second among the 15 left, and so on. A count is never below the group's
// Manhattan distance and has the same parity, so a table keeps only half the difference, in
// four bits per placement, low nibble first (differences past 30 are cut to 30, which stays a
// lower bound). The bytes are made by BuildPatternTable (PatternBuild.h) when the program is
// built and are only read here; the object does not own them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class PatternDatabase {
 public:
  static constexpr int kMaxTiles = 6;

  // halfExcess holds BytesFor(tiles.size()) bytes and must outlive the object.
  PatternDatabase(const std::vector<int>& tiles, const std::uint8_t* halfExcess);

  static std::size_t PlacementsOf(int tiles);
  static std::size_t BytesFor(int tiles) { return (PlacementsOf(tiles) + 1) / 2; }

  const std::vector<int>& Tiles() const { return tiles_; }
  int TileCount() const { return static_cast<int>(tiles_.size()); }

  // The moves the group needs when its tiles stand at cells[0..], in the order of Tiles().
  int Cost(const int* cells) const;
  int Manhattan(const int* cells) const;

  static std::uint32_t Rank(const int* cells, int count);
  static void Unrank(std::uint32_t rank, int count, int* cells);

 private:
  std::vector<int> tiles_;
  const std::uint8_t* halfExcess_;
  std::array<std::array<std::uint8_t, 16>, kMaxTiles> distance_{};  // [tile index][cell]
};
