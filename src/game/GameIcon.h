// The game's icon as pixels compiled into the program, at the two sizes window managers ask
// for most (16 px for title bars and lists, 48 px for task switchers). GameIcon.cpp is made
// by tools/make-icons.py from the same drawing as the installed icons; the arrays are
// constant data owned by nobody.
#pragma once

#include <cstdint>
#include <vector>

#include "tessarin/framework/WindowIcon.h"

constexpr int kGameIconSmallSize = 16;
constexpr int kGameIconLargeSize = 48;
extern const std::uint32_t kGameIcon16[kGameIconSmallSize * kGameIconSmallSize];
extern const std::uint32_t kGameIcon48[kGameIconLargeSize * kGameIconLargeSize];

inline std::vector<tessarin::WindowIcon> GameWindowIcons() {
  return {{kGameIconSmallSize, kGameIconSmallSize, kGameIcon16},
          {kGameIconLargeSize, kGameIconLargeSize, kGameIcon48}};
}
