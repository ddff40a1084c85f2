// The size of a 16-colour palette image as compiled into the program: a 48-byte palette of
// 16 red, green, blue entries, then rows of two pixels per byte (high nibble left), bottom
// row first, no padding beyond the whole byte. The data arrays themselves live with whoever
// carries the picture.
#pragma once

#include <cstddef>

namespace tessarin {

constexpr std::size_t kPaletteBytes = 48;

constexpr std::size_t PaletteRowBytes(int w) {
  return w > 0 ? static_cast<std::size_t>((w + 1) / 2) : 0;
}

constexpr std::size_t PaletteImageSize(int w, int h) {
  return kPaletteBytes + PaletteRowBytes(w) * static_cast<std::size_t>(h > 0 ? h : 0);
}

}  // namespace tessarin
