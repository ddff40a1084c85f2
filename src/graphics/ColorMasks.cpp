#include "tessarin/graphics/ColorMasks.h"

#include <algorithm>
#include <cstdint>

namespace tessarin {

namespace {

// One 8-bit component in the bits of its mask: cut to a narrower mask, spread over a wider one
// so that full intensity fills every bit. A mask's bits are contiguous on a TrueColor visual;
// no component is wider than 24 bits, which keeps the spreading within a long.
unsigned long PlaceComponent(unsigned long component, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = __builtin_ctzl(mask);
  const int bits = std::min(__builtin_popcountl(mask), 24);
  const unsigned long value =
      bits <= 8 ? component >> (8 - bits) : component * ((1ul << bits) - 1) / 0xFF;
  return (value << shift) & mask;
}

}  // namespace

ColorMasks VisualColorMasks(Display* display) {
  const Visual* visual = DefaultVisual(display, DefaultScreen(display));
  return {visual->red_mask, visual->green_mask, visual->blue_mask};
}

unsigned long MaskedPixel(Color color, const ColorMasks& masks) {
  const auto bits = static_cast<unsigned long>(static_cast<std::uint32_t>(color));
  return PlaceComponent((bits >> 16) & 0xFF, masks.red) |
         PlaceComponent((bits >> 8) & 0xFF, masks.green) | PlaceComponent(bits & 0xFF, masks.blue);
}

unsigned long ColorToPixel(Display* display, Color color) {
  return ColorToPixel(color, VisualColorMasks(display));
}

}  // namespace tessarin
