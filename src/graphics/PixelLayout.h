// How the server stores one pixel of a ZPixmap image: where red, green and blue sit among the
// pixel's bytes, and the image parameters the server reported. The probe (PixelFormatProbe.h)
// fixes the process-wide layout once; every picture conversion and transparent blit reads it.
// Until then it holds the values of a 24-bit TrueColor server, with depth 0 marking it unprobed.
#pragma once

#include <X11/Xlib.h>

struct PixelLayout {
  // Byte index of each colour component inside one pixel.
  int red = 2;
  int green = 1;
  int blue = 0;
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
