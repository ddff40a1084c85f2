// Where the main window puts the board's cells at every size: the board fills the same
// rectangle at every side, its cells two pixels apart from its top-left corner, each as wide and
// as high as whole pixels allow. At 4 x 4 that is the 88 x 136 tiles the game has always shown;
// at sides whose cells do not divide the rectangle exactly, a strip at its right or bottom edge
// stays the window's ground. Free of X.
#pragma once

#include "tessarin/graphics/Rect.h"

constexpr tessarin::Rect kBoardArea{20, 25, 358, 550};
constexpr int kCellGap = 2;

constexpr int CellWidth(int side) {
  return (kBoardArea.w - kCellGap * (side - 1)) / side;
}

constexpr int CellHeight(int side) {
  return (kBoardArea.h - kCellGap * (side - 1)) / side;
}

// The box of a cell (row-major, from the top left) on a board of that side.
constexpr tessarin::Rect CellBox(int side, int cell) {
  const int w = CellWidth(side), h = CellHeight(side);
  return {kBoardArea.x + (w + kCellGap) * (cell % side),
          kBoardArea.y + (h + kCellGap) * (cell / side), w, h};
}

static_assert(CellWidth(4) == 88 && CellHeight(4) == 136, "the 4 x 4 board keeps its tiles");
