// One additive pattern database of the 4 x 4 puzzle: for every placement of a chosen group of
// tiles, the fewest moves of those tiles alone that bring them home. Moves of the other tiles
// cost nothing, and the empty cell is assumed to stand wherever it is needed; both make the
// count a lower bound that can be added to the counts of disjoint groups.
//
// A placement is ranked as a partial permutation: the cell of the group's first tile, then
// the cell of the second among the 15 left, and so on. The table holds one byte per rank.
#pragma once

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
  int Cost(const int* cells) const { return costs_[Rank(cells, TileCount())]; }

  int TileCount() const { return static_cast<int>(tiles_.size()); }
  std::size_t Size() const { return costs_.size(); }

  static std::uint32_t Rank(const int* cells, int count);
  static void Unrank(std::uint32_t rank, int count, int* cells);

 private:
  explicit PatternDatabase(std::vector<int> tiles);
  bool Fill(const std::atomic<bool>& cancel);
  bool ExpandLayer(std::uint8_t depth, const std::atomic<bool>& cancel, bool& grew);

  std::vector<int> tiles_;
  std::vector<std::uint8_t> costs_;
};
