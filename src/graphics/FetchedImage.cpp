#include "graphics/FetchedImage.h"

#include <X11/Xutil.h>

namespace {

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

}  // namespace

void FetchedImageDeleter::operator()(XImage* image) const {
  if (image != nullptr) XDestroyImage(image);
}

FetchedImage FetchImage(Display* display, Drawable drawable, int x, int y, int w, int h) {
  if (display == nullptr || drawable == 0 || w <= 0 || h <= 0) return nullptr;
  // Errors of requests sent earlier must still reach the handler that was meant for them.
  XSync(display, False);
  XErrorHandler previous = XSetErrorHandler(IgnoreXError);
  // XGetImage waits for its reply, and an error of the request comes back in its place, so
  // no further round trip is needed before the handler can be put back.
  XImage* image = XGetImage(display, drawable, x, y, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
  XSetErrorHandler(previous);
  return FetchedImage(image);
}
