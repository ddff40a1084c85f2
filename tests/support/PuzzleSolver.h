// A fifteen-puzzle solver for the tests that play the real game: it needs no cleverness, only a
// valid sequence of presses that ends in the ordered board. It works like a patient person:
// tiles 1 and 2 go home first, then 3 and 4, then 5 and 6, 7 and 8, then the left two
// columns of the bottom rows and finally the last 2 x 2 corner. Each step is a breadth-first
// search over where the empty cell and the two or three tiles of that step stand, with the
// tiles already home held fixed; every other tile is treated as interchangeable, which keeps
// each search within 16^4 states.
// Header-only so that both the unit tests (no X) and the end-to-end tests can use it.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <vector>

namespace fifteen {

constexpr int kSide = 4;
constexpr int kCells = kSide * kSide;
constexpr int kEmpty = 0;

// Row-major, cell i = row * 4 + column; tiles 1..15 and kEmpty for the empty cell.
using Board = std::array<int, kCells>;

inline Board OrderedBoard() {
  Board board{};
  for (int cell = 0; cell < kCells - 1; ++cell) board[cell] = cell + 1;
  board[kCells - 1] = kEmpty;
  return board;
}

inline bool IsOrdered(const Board& board) {
  return board == OrderedBoard();
}

inline int EmptyCell(const Board& board) {
  for (int cell = 0; cell < kCells; ++cell) {
    if (board[cell] == kEmpty) return cell;
  }
  return -1;
}

inline bool AreNeighbours(int a, int b) {
  const int rowA = a / kSide, columnA = a % kSide;
  const int rowB = b / kSide, columnB = b % kSide;
  return std::abs(rowA - rowB) + std::abs(columnA - columnB) == 1;
}

// What a press on the cell does in the game: the tile there slides into the empty cell when
// they are neighbours; anything else (the empty cell itself, diagonals, cells further away,
// the other end of the row above or below) changes nothing and returns false.
inline bool Slide(Board& board, int cell) {
  if (cell < 0 || cell >= kCells || board[cell] == kEmpty) return false;
  const int empty = EmptyCell(board);
  if (empty < 0 || !AreNeighbours(cell, empty)) return false;
  board[empty] = board[cell];
  board[cell] = kEmpty;
  return true;
}

inline bool HoldsEveryTileOnce(const Board& board) {
  std::array<bool, kCells> seen{};
  for (int value : board) {
    if (value < 0 || value >= kCells || seen[value]) return false;
    seen[value] = true;
  }
  return true;
}

// Pairs of tiles standing in the wrong order, the empty cell left out.
inline int CountInversions(const Board& board) {
  int inversions = 0;
  for (int i = 0; i < kCells; ++i) {
    for (int j = i + 1; j < kCells; ++j) {
      if (board[i] != kEmpty && board[j] != kEmpty && board[j] < board[i]) ++inversions;
    }
  }
  return inversions;
}

// A horizontal slide keeps the inversions and the empty cell's row; a vertical one changes
// the inversions by an odd number and the row by one. So inversions + row of the empty cell
// keeps its parity, which the ordered board has odd (0 + 3).
inline bool IsSolvable(const Board& board) {
  if (!HoldsEveryTileOnce(board)) return false;
  return (CountInversions(board) + EmptyCell(board) / kSide) % 2 == 1;
}

namespace detail {

// One step of the solution: bring `tiles` to `targets` without touching `fixedCells`.
struct Step {
  std::vector<int> tiles;
  std::vector<int> targets;
  std::uint32_t fixedCells;
};

constexpr std::uint32_t CellBits(std::initializer_list<int> cells) {
  std::uint32_t bits = 0;
  for (int cell : cells) bits |= 1u << cell;
  return bits;
}

inline std::vector<Step> Steps() {
  const std::uint32_t topRow = CellBits({0, 1, 2, 3});
  const std::uint32_t topRows = topRow | CellBits({4, 5, 6, 7});
  return {
      {{1, 2}, {0, 1}, 0},
      {{3, 4}, {2, 3}, CellBits({0, 1})},
      {{5, 6}, {4, 5}, topRow},
      {{7, 8}, {6, 7}, topRow | CellBits({4, 5})},
      {{9, 13}, {8, 12}, topRows},
      {{10, 14}, {9, 13}, topRows | CellBits({8, 12})},
      {{11, 12, 15}, {10, 11, 14}, topRows | CellBits({8, 12, 9, 13})},
  };
}

// A search state: the empty cell's place first, then each tracked tile's. Encoded as one
// base-16 digit each.
struct Places {
  std::array<int, 4> cells{};
  std::size_t count = 0;
};

inline int Encode(const Places& places) {
  int code = 0;
  for (std::size_t i = places.count; i-- > 0;) code = code * kCells + places.cells[i];
  return code;
}

inline Places Decode(int code, std::size_t count) {
  Places places;
  places.count = count;
  for (std::size_t i = 0; i < count; ++i) {
    places.cells[i] = code % kCells;
    code /= kCells;
  }
  return places;
}

// Up to four cells; -1 marks a side that is off the board.
inline std::array<int, 4> NeighbourCells(int cell) {
  const int row = cell / kSide, column = cell % kSide;
  return {column > 0 ? cell - 1 : -1, column < kSide - 1 ? cell + 1 : -1,
          row > 0 ? cell - kSide : -1, row < kSide - 1 ? cell + kSide : -1};
}

// The empty cell moves into `cell`, so the tile standing there (tracked or not) takes the
// empty cell's old place.
inline Places AfterPress(Places places, int cell) {
  for (std::size_t i = 1; i < places.count; ++i) {
    if (places.cells[i] == cell) places.cells[i] = places.cells[0];
  }
  places.cells[0] = cell;
  return places;
}

inline bool TilesAtTargets(const Places& places, const Step& step) {
  for (std::size_t i = 0; i < step.targets.size(); ++i) {
    if (places.cells[i + 1] != step.targets[i]) return false;
  }
  return true;
}

inline Places StartPlaces(const Board& board, const Step& step) {
  Places places;
  places.cells[places.count++] = EmptyCell(board);
  for (int tile : step.tiles) {
    for (int cell = 0; cell < kCells; ++cell) {
      if (board[cell] == tile && places.count < places.cells.size()) {
        places.cells[places.count++] = cell;
      }
    }
  }
  return places;
}

inline std::vector<int> PressesBackFrom(int code, const std::vector<int>& cameFrom,
                                        const std::vector<int>& pressedCell) {
  std::vector<int> presses;
  for (; cameFrom[code] != code; code = cameFrom[code]) presses.push_back(pressedCell[code]);
  return {presses.rbegin(), presses.rend()};
}

inline std::optional<std::vector<int>> PressesForStep(const Board& board, const Step& step) {
  const Places start = StartPlaces(board, step);
  const std::size_t count = start.count;
  if (count != step.tiles.size() + 1) return std::nullopt;
  int stateCount = 1;
  for (std::size_t i = 0; i < count; ++i) stateCount *= kCells;
  std::vector<int> cameFrom(stateCount, -1);
  std::vector<int> pressedCell(stateCount, -1);
  std::vector<int> frontier;
  const int startCode = Encode(start);
  cameFrom[startCode] = startCode;
  frontier.push_back(startCode);
  for (std::size_t next = 0; next < frontier.size(); ++next) {
    const int code = frontier[next];
    const Places places = Decode(code, count);
    if (TilesAtTargets(places, step)) return PressesBackFrom(code, cameFrom, pressedCell);
    for (int cell : NeighbourCells(places.cells[0])) {
      if (cell < 0 || (step.fixedCells & (1u << cell))) continue;
      const int reached = Encode(AfterPress(places, cell));
      if (cameFrom[reached] != -1) continue;
      cameFrom[reached] = code;
      pressedCell[reached] = cell;
      frontier.push_back(reached);
    }
  }
  return std::nullopt;
}

}  // namespace detail

// The cells to press, in order, to bring the board into order; nothing for an unsolvable
// board. Every press slides a tile next to the empty cell.
inline std::optional<std::vector<int>> Solve(Board board) {
  if (!IsSolvable(board)) return std::nullopt;
  std::vector<int> presses;
  for (const detail::Step& step : detail::Steps()) {
    const auto stepPresses = detail::PressesForStep(board, step);
    if (!stepPresses) return std::nullopt;
    for (int cell : *stepPresses) {
      if (!Slide(board, cell)) return std::nullopt;
      presses.push_back(cell);
    }
  }
  if (!IsOrdered(board)) return std::nullopt;
  return presses;
}

}  // namespace fifteen
