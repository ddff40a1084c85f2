#include "game/PlacementSearch.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kUnreached = 0xFFFFFFFFu;
// States expanded between two looks at the cancel flag.
constexpr unsigned long long kCancelStride = 1u << 12;

// The states of a search for that many tiles: a cell for the gap and one for each tile.
std::size_t StatesFor(int cells, int tiles) {
  std::size_t states = static_cast<std::size_t>(cells);
  for (int i = 0; i < tiles; ++i) states *= static_cast<std::size_t>(cells);
  return states;
}

}  // namespace

PlacementSearch::PlacementSearch(int side, const std::atomic<bool>& cancel)
    : side_(side), cells_(side * side), cancel_(cancel) {
  cameFrom_.resize(StatesFor(cells_, kMostTiles));
  queue_.reserve(cameFrom_.size());
}

bool PlacementSearch::Place(const SizedBoard& board, const int* tiles, int count,
                            std::uint64_t fixedCells, std::vector<int>& moves) {
  moves.clear();
  count_ = std::clamp(count, 1, kMostTiles);
  Places start{board.Gap(), {}};
  for (int i = 0; i < count_; ++i) {
    homes_[i] = tiles[i] - 1;
    start.tiles[i] =
        static_cast<int>(std::find(board.begin(), board.end(), tiles[i]) - board.begin());
  }
  std::fill_n(cameFrom_.begin(), StatesFor(cells_, count_), kUnreached);
  queue_.clear();
  const std::uint32_t first = Encode(start);
  cameFrom_[first] = first;
  queue_.push_back(first);
  for (std::size_t next = 0; next < queue_.size(); ++next) {
    const std::uint32_t state = queue_[next];
    if (AtHome(Decode(state))) {
      TraceBack(state, moves);
      return true;
    }
    if (++nodes_ % kCancelStride == 0 && cancel_.load(std::memory_order_relaxed)) return false;
    Expand(state, fixedCells);
  }
  return false;
}

std::uint32_t PlacementSearch::Encode(const Places& places) const {
  std::uint32_t state = 0;
  for (int i = count_ - 1; i >= 0; --i) {
    state =
        state * static_cast<std::uint32_t>(cells_) + static_cast<std::uint32_t>(places.tiles[i]);
  }
  return state * static_cast<std::uint32_t>(cells_) + static_cast<std::uint32_t>(places.gap);
}

PlacementSearch::Places PlacementSearch::Decode(std::uint32_t state) const {
  const std::uint32_t base = static_cast<std::uint32_t>(cells_);
  Places places{static_cast<int>(state % base), {}};
  for (int i = 0; i < count_; ++i) {
    state /= base;
    places.tiles[i] = static_cast<int>(state % base);
  }
  return places;
}

bool PlacementSearch::AtHome(const Places& places) const {
  for (int i = 0; i < count_; ++i) {
    if (places.tiles[i] != homes_[i]) return false;
  }
  return true;
}

// The gap takes the place of the tile beside it, whichever it is; a tracked tile there steps
// into the gap's old cell.
void PlacementSearch::Expand(std::uint32_t state, std::uint64_t fixedCells) {
  const Places places = Decode(state);
  for (int from : NeighboursOf(side_, places.gap)) {
    if (from < 0 || ((fixedCells >> from) & 1u)) continue;
    Places moved = places;
    moved.gap = from;
    for (int i = 0; i < count_; ++i) {
      if (moved.tiles[i] == from) moved.tiles[i] = places.gap;
    }
    const std::uint32_t reached = Encode(moved);
    if (cameFrom_[reached] != kUnreached) continue;
    cameFrom_[reached] = state;
    queue_.push_back(reached);
  }
}

// Each state's gap is the cell whose tile moved into the gap before it.
void PlacementSearch::TraceBack(std::uint32_t state, std::vector<int>& moves) const {
  for (; cameFrom_[state] != state; state = cameFrom_[state]) moves.push_back(Decode(state).gap);
  std::reverse(moves.begin(), moves.end());
}
