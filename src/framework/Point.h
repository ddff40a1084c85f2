// A position or a size in pixels. Element positions are relative to the element's container;
// event points are relative to the form's window.
#pragma once

#include <cstdint>

namespace tessarin {

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;

  friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
  friend bool operator!=(Point a, Point b) { return !(a == b); }
};

}  // namespace tessarin
