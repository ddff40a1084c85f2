// A rectangle of a window's pixels read back in one XGetImage, for tests that look for where
// something was drawn (a caption's extent, a dashed line) rather than at one known pixel.
// Header-only; the region owns its copy of the pixels.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

#include "tessarin/graphics/Color.h"

struct PixelBounds {
  int left = 0, top = 0, right = -1, bottom = -1;
  bool Empty() const { return right < left; }
  int CenterX2() const { return left + right; }  // twice the centre, to stay in integers
  int CenterY2() const { return top + bottom; }
};

class PixelRegion {
 public:
  PixelRegion(Display* display, Window window, int x, int y, int w, int h)
      : originX(x), originY(y), width(w), height(h) {
    XSync(display, False);
    XImage* image = XGetImage(display, window, x, y, w, h, AllPlanes, ZPixmap);
    if (image == nullptr) return;
    pixels.reserve(static_cast<std::size_t>(w) * h);
    for (int row = 0; row < h; ++row) {
      for (int column = 0; column < w; ++column) {
        pixels.push_back(static_cast<tessarin::Color>(XGetPixel(image, column, row) & 0xFFFFFF));
      }
    }
    XDestroyImage(image);
  }

  bool Valid() const { return !pixels.empty(); }
  // Window coordinates.
  tessarin::Color At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y - originY) * width + (x - originX)];
  }

  int Count(tessarin::Color color) const {
    int count = 0;
    for (tessarin::Color pixel : pixels) count += pixel == color ? 1 : 0;
    return count;
  }

  // The smallest box, in window coordinates, holding every pixel of this colour.
  PixelBounds BoundsOf(tessarin::Color color) const {
    PixelBounds bounds{originX + width, originY + height, originX - 1, originY - 1};
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) {
        if (pixels[static_cast<std::size_t>(row) * width + column] != color) continue;
        bounds.left = std::min(bounds.left, originX + column);
        bounds.right = std::max(bounds.right, originX + column);
        bounds.top = std::min(bounds.top, originY + row);
        bounds.bottom = std::max(bounds.bottom, originY + row);
      }
    }
    if (bounds.right < bounds.left) return PixelBounds{};
    return bounds;
  }

 private:
  int originX, originY, width, height;
  std::vector<tessarin::Color> pixels;
};
