#include "game/ThreeByThreeTable.h"

#include <array>
#include <utility>

namespace {

constexpr int kCells = kThreeByThreeSide * kThreeByThreeSide;
// The gap and tiles 1 to 6, in the order of the rank's digits.
constexpr int kRankedCount = kCells - 2;
constexpr std::uint8_t kUnreached = 0xFF;

int GapDistanceFromHome(int gap) {
  return (kThreeByThreeSide - 1 - gap / kThreeByThreeSide) +
         (kThreeByThreeSide - 1 - gap % kThreeByThreeSide);
}

}  // namespace

int ThreeByThreeTable::Distance(const SizedBoard& board) const {
  const std::uint32_t rank = Rank(board);
  const int half = (halfDistances_[rank / 2] >> (4 * (rank % 2))) & 0xF;
  return 2 * half + GapDistanceFromHome(board.Gap()) % 2;
}

std::uint32_t ThreeByThreeTable::Rank(const SizedBoard& board) {
  std::array<int, kCells + 1> cellOf{};
  for (int cell = 0; cell < kCells; ++cell) cellOf[board[cell]] = cell;
  std::uint32_t rank = 0;
  unsigned used = 0;
  for (int i = 0; i < kRankedCount; ++i) {
    const int cell = cellOf[i == 0 ? kCells : i];
    const int freeBelow = cell - __builtin_popcount(used & ((1u << cell) - 1u));
    rank = rank * static_cast<std::uint32_t>(kCells - i) + static_cast<std::uint32_t>(freeBelow);
    used |= 1u << cell;
  }
  return rank;
}

SizedBoard ThreeByThreeTable::Unrank(std::uint32_t rank) {
  std::array<int, kRankedCount> digits{};
  for (int i = kRankedCount - 1; i >= 0; --i) {
    const std::uint32_t radix = static_cast<std::uint32_t>(kCells - i);
    digits[i] = static_cast<int>(rank % radix);
    rank /= radix;
  }
  SizedBoard board(kThreeByThreeSide);
  unsigned used = 0;
  for (int i = 0; i < kRankedCount; ++i) {
    int cell = 0;
    for (int free = digits[i];; ++cell) {
      if (used & (1u << cell)) continue;
      if (free-- == 0) break;
    }
    board[cell] = i == 0 ? kCells : i;
    used |= 1u << cell;
  }
  std::array<int, 2> last{};
  for (int cell = 0, found = 0; cell < kCells; ++cell) {
    if (!(used & (1u << cell))) last[found++] = cell;
  }
  board[last[0]] = kCells - 2;
  board[last[1]] = kCells - 1;
  if (!IsSolvable(board)) std::swap(board[last[0]], board[last[1]]);
  return board;
}

std::vector<std::uint8_t> BuildThreeByThreeTable() {
  std::vector<std::uint8_t> distance(kThreeByThreeBoards, kUnreached);
  std::vector<std::uint32_t> queue;
  queue.reserve(kThreeByThreeBoards);
  const std::uint32_t goal = ThreeByThreeTable::Rank(SizedBoard(kThreeByThreeSide));
  distance[goal] = 0;
  queue.push_back(goal);
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const SizedBoard board = ThreeByThreeTable::Unrank(queue[next]);
    for (int from : NeighboursOf(kThreeByThreeSide, board.Gap())) {
      if (from < 0) continue;
      SizedBoard moved = board;
      MoveTile(moved, from);
      const std::uint32_t rank = ThreeByThreeTable::Rank(moved);
      if (distance[rank] != kUnreached) continue;
      distance[rank] = static_cast<std::uint8_t>(distance[queue[next]] + 1);
      queue.push_back(rank);
    }
  }
  // Every solvable board is reachable; a rank left out would mean the ranking is broken.
  if (queue.size() != kThreeByThreeBoards) return {};
  std::vector<std::uint8_t> halfDistances(kThreeByThreeTableBytes, 0);
  for (std::uint32_t rank = 0; rank < kThreeByThreeBoards; ++rank) {
    halfDistances[rank / 2] |= static_cast<std::uint8_t>((distance[rank] / 2) << (4 * (rank % 2)));
  }
  return halfDistances;
}
