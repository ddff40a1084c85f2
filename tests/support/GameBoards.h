// The game's boards that tests start from, in the game's own terms (game/PuzzleRules.h): tiles
// 1 to 15 and 16 for the empty cell. Header-only, for the unit tests and the X tests alike.
#pragma once

#include <utility>

#include "game/PuzzleRules.h"

namespace game_boards {

inline Board OrderedBoard() {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) board[i] = i + 1;
  return board;
}

// The ordered board with the empty cell swapped to `empty` from the last place.
inline Board BoardWithEmptyAt(int empty) {
  Board board = OrderedBoard();
  std::swap(board[empty], board[kCellCount - 1]);
  return board;
}

}  // namespace game_boards
