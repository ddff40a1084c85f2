// Scoped owners of the X resources the drawing layer makes for the length of one call: a pixmap
// and a graphics context, each freed on the display it came from when its owner goes. A zero
// pixmap or a null context is simply not freed.
#pragma once

#include <X11/Xlib.h>

namespace tessarin {

struct ScopedPixmap {
  Display* display;
  Pixmap pixmap;

  ScopedPixmap(Display* display, Pixmap pixmap) : display(display), pixmap(pixmap) {}
  ~ScopedPixmap() {
    if (pixmap != 0) XFreePixmap(display, pixmap);
  }
  ScopedPixmap(const ScopedPixmap&) = delete;
  ScopedPixmap& operator=(const ScopedPixmap&) = delete;
};

struct ScopedGC {
  Display* display;
  GC gc;

  ScopedGC(Display* display, GC gc) : display(display), gc(gc) {}
  ~ScopedGC() {
    if (gc != nullptr) XFreeGC(display, gc);
  }
  ScopedGC(const ScopedGC&) = delete;
  ScopedGC& operator=(const ScopedGC&) = delete;
};

}  // namespace tessarin
