// How a colour 0x00RRGGBB becomes a pixel value of the screen's TrueColor visual: each 8-bit
// component goes into the bits of its mask, cut to the mask's width (a 5-bit red keeps the top
// five bits of the eight). The masks of a 24-bit visual make the pixel the colour itself, which
// costs a comparison. The masks come with the display's default Visual, which Xlib holds from
// the moment the connection opens, so reading them sends no request.
#pragma once

#include <X11/Xlib.h>

#include "tessarin/graphics/Color.h"

namespace tessarin {

struct ColorMasks {
  unsigned long red = 0xFF0000;
  unsigned long green = 0x00FF00;
  unsigned long blue = 0x0000FF;

  unsigned long All() const { return red | green | blue; }
  // The 24-bit layout, in which a colour is its own pixel.
  bool AreIdentity() const { return red == 0xFF0000 && green == 0x00FF00 && blue == 0x0000FF; }
};

// The masks of the default visual of the display's default screen.
ColorMasks VisualColorMasks(Display* display);

// The pixel of a colour under masks other than the 24-bit ones.
unsigned long MaskedPixel(Color color, const ColorMasks& masks);

// With the 24-bit masks the colour travels sign-extended, as it always did, so kNoColor
// becomes all ones; callers that mean "keep the foreground" test for it first.
inline unsigned long ColorToPixel(Color color, const ColorMasks& masks) {
  if (masks.AreIdentity()) return static_cast<unsigned long>(static_cast<long>(color));
  return MaskedPixel(color, masks);
}
unsigned long ColorToPixel(Display* display, Color color);

}  // namespace tessarin
