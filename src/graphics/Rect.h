// A box in pixels: its top-left corner and its size. Right and Bottom are the last column and
// row inside it.
#pragma once

namespace tessarin {

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  int Right() const { return x + w - 1; }
  int Bottom() const { return y + h - 1; }
};

}  // namespace tessarin
