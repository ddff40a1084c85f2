// Pixels read back from the server: an XImage owned by a unique_ptr that frees it with
// XDestroyImage. FetchImage never lets a failed read end the process: Xlib's default error
// handler exits on the BadMatch an unmapped window or an off-screen area causes, so the read
// runs under a temporary handler and simply yields null.
#pragma once

#include <X11/Xlib.h>

#include <memory>

namespace tessarin {

struct FetchedImageDeleter {
  void operator()(XImage* image) const;
};

using FetchedImage = std::unique_ptr<XImage, FetchedImageDeleter>;

// The w x h area at (x, y) of the drawable in ZPixmap format, or null when it cannot be read.
FetchedImage FetchImage(Display* display, Drawable drawable, int x, int y, int w, int h);

}  // namespace tessarin
