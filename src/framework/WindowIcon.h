// One picture of a window's icon: width x height pixels, each 0xAARRGGBB with straight (not
// premultiplied) alpha, row by row from the top. The pixels are not owned: they are compiled
// into the program and outlive every form that shows them. IconProperty lays several sizes
// out as the list of numbers the window manager reads from _NET_WM_ICON.
#pragma once

#include <cstdint>
#include <vector>

namespace tessarin {

struct WindowIcon {
  int width = 0;
  int height = 0;
  const std::uint32_t* argb = nullptr;
};

// width, height, then the pixels, for each icon in turn; icons without pixels are left out.
// Xlib hands 32-bit properties over as one long per item, hence unsigned long.
std::vector<unsigned long> IconProperty(const std::vector<WindowIcon>& icons);

}  // namespace tessarin
