// How the server stores one pixel of a ZPixmap image: the image parameters the server reported,
// the visual's colour masks, and where the probe colour's red, green and blue bytes were found.
// The probe (PixelFormatProbe.h) fixes the process-wide layout once; every picture conversion
// and transparent blit reads it. They place a colour by the masks, in the pixel's bits and
// byte order, which holds for 15- and 16-bit pixels too, where a component has no byte of its
// own; the byte indices are what the probe reports. Until the probe runs the layout holds the
// values of a 24-bit TrueColor server, with depth 0 marking it unprobed.
#pragma once

#include <X11/Xlib.h>

#include "tessarin/graphics/ColorMasks.h"

namespace tessarin {

struct PixelLayout {
  // Byte index of each colour component inside one pixel, as the probe found it.
  int red = 2;
  int green = 1;
  int blue = 0;
  ColorMasks masks;
  int byteOrder = LSBFirst;
  int format = ZPixmap;
  int depth = 0;
  int xoffset = 0;
  int bitmapPad = 0;
  int bitsPerPixel = 0;
  int bitOrder = 0;
  // The probe pixel's bytes, zero beyond the pixel's size.
  unsigned char sample[8] = {};

  bool IsProbed() const { return depth != 0; }
};

const PixelLayout& CurrentPixelLayout();
void SetPixelLayout(const PixelLayout& layout);
// Back to the unprobed start values, so that the probe runs again.
void ResetPixelLayout();

}  // namespace tessarin
