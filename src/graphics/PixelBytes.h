// One pixel value as the bytes of a ZPixmap image: 1 to 4 bytes, least significant first for
// LSBFirst images, most significant first for MSBFirst. Header-only; both functions trust the
// caller to hand them a pixel that lies inside the buffer.
#pragma once

#include <X11/X.h>

namespace tessarin {

inline void StorePixel(unsigned char* at, unsigned long pixel, int bytes, int byteOrder) {
  for (int i = 0; i < bytes; ++i) {
    const int place = byteOrder == MSBFirst ? bytes - 1 - i : i;
    at[place] = static_cast<unsigned char>(pixel >> (8 * i));
  }
}

inline unsigned long LoadPixel(const unsigned char* at, int bytes, int byteOrder) {
  unsigned long pixel = 0;
  for (int i = 0; i < bytes; ++i) {
    const int place = byteOrder == MSBFirst ? bytes - 1 - i : i;
    pixel |= static_cast<unsigned long>(at[place]) << (8 * i);
  }
  return pixel;
}

}  // namespace tessarin
