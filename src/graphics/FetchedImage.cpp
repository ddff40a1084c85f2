#include "tessarin/graphics/FetchedImage.h"

#include <X11/Xutil.h>

namespace tessarin {

namespace {

// The request whose error the fetch expects, and the handler every other error belongs to.
unsigned long fetchRequest = 0;
XErrorHandler earlierHandler = nullptr;

int IgnoreFetchError(Display* display, XErrorEvent* error) {
  if (error->serial == fetchRequest || earlierHandler == nullptr) return 0;
  return earlierHandler(display, error);
}

}  // namespace

void FetchedImageDeleter::operator()(XImage* image) const {
  if (image != nullptr) XDestroyImage(image);
}

FetchedImage FetchImage(Display* display, Drawable drawable, int x, int y, int w, int h) {
  if (display == nullptr || drawable == 0 || w <= 0 || h <= 0) return nullptr;
  // Only the fetch's own error is ignored: an error of a request sent earlier, which may come
  // in while the fetch waits for its reply, goes on to the handler meant for it. So no round
  // trip is needed beforehand to flush such errors out. XGetImage waits for its reply, and an
  // error of the request comes back in its place, so none is needed afterwards either.
  fetchRequest = NextRequest(display);
  XErrorHandler previous = XSetErrorHandler(IgnoreFetchError);
  earlierHandler = previous;
  XImage* image = XGetImage(display, drawable, x, y, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
  XSetErrorHandler(previous);
  return FetchedImage(image);
}

}  // namespace tessarin
