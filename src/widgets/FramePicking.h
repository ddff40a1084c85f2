// Which part of its source an image frame shows, free of X: the cut-out of a sprite sheet for a
// pair of frame coordinates, or the entry of a frame list. Coordinates that lead outside the
// source give nothing, so a frame never reads past a sheet's edge or a list's end.
#pragma once

#include <cstdint>

struct FrameCoordinates {
  std::uint32_t x = 0;
  std::uint32_t y = 0;

  friend bool operator==(FrameCoordinates a, FrameCoordinates b) {
    return a.x == b.x && a.y == b.y;
  }
};

// The top-left corner of the w x h cut-out of a sheet; valid only when found.
struct SheetCutOut {
  bool found = false;
  int x = 0;
  int y = 0;
};

// Frames are laid out in a grid of w x h cells: the cell (x, y) starts at (w x, h y). Found only
// when the whole cell lies inside the sheet.
SheetCutOut CutOutOfSheet(FrameCoordinates frame, int w, int h, int sheetW, int sheetH);

// A list is addressed by x + y, the other coordinate left at 0. -1 when that is past the end.
int FrameListIndex(FrameCoordinates frame, int frameCount);
