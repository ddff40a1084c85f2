// The Painter's picture operations: plain and transparent blits, copies between drawables,
// and the pixmap helper. Every read-back goes through FetchImage, so an area the server
// cannot read (an unmapped window, a rectangle off the screen) makes the call do nothing.
#include <X11/Xutil.h>

#include <algorithm>

#include "tessarin/graphics/FetchedImage.h"
#include "tessarin/graphics/KeyColorMerge.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/PixelFormatProbe.h"
#include "tessarin/graphics/PixelLayout.h"
#include "tessarin/graphics/ScopedXResources.h"
#include "tessarin/util/Log.h"

namespace tessarin {

namespace {

// Narrows a w x h request at (sourceX, sourceY) to what the image holds; 0 asks for the rest
// of the image. False when nothing of the image is left.
bool ClampToImage(const XImage& image, int sourceX, int sourceY, int& w, int& h) {
  if (sourceX < 0 || sourceY < 0) return false;
  int restW = image.width - sourceX;
  int restH = image.height - sourceY;
  w = w == 0 ? restW : std::min(w, restW);
  h = h == 0 ? restH : std::min(h, restH);
  return w > 0 && h > 0;
}

}  // namespace

void Painter::BlitClamped(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY) {
  if (gc == nullptr || image == nullptr) return;
  if (!ClampToImage(*image, sourceX, sourceY, w, h)) return;
  XPutImage(display, drawable, gc, image, sourceX, sourceY, x, y, static_cast<unsigned>(w),
            static_cast<unsigned>(h));
}

void Painter::PutImage(int x, int y, int w, int h, XImage* image) {
  BlitClamped(x, y, w, h, image, 0, 0);
}

void Painter::PutImage(int x, int y, XImage* image) {
  BlitClamped(x, y, 0, 0, image, 0, 0);
}

void Painter::PutImagePart(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY) {
  BlitClamped(x, y, w, h, image, sourceX, sourceY);
}

void Painter::PutImageTransparent(int x, int y, int w, int h, XImage* image, Color key) {
  if (gc == nullptr || image == nullptr) return;
  ProbePixelFormat(display);
  if (!ClampToImage(*image, 0, 0, w, h)) return;
  FetchedImage background = FetchImage(display, drawable, x, y, w, h);
  if (!background) return;
  ReplaceKeyPixels(image, background.get(), w, h, key, CurrentPixelLayout());
  PutImage(x, y, w, h, image);
}

void Painter::PutImagePartTransparent(int x, int y, int w, int h, XImage* image, int sourceX,
                                      int sourceY, Color key) {
  if (gc == nullptr || image == nullptr) return;
  if (!ClampToImage(*image, sourceX, sourceY, w, h)) return;
  // The part goes through a pixmap so that the picture itself stays as it is.
  ScopedPixmap pixmap{display, MakePixmap(display, drawable, image)};
  FetchedImage part = FetchImage(display, pixmap.pixmap, sourceX, sourceY, w, h);
  if (part) PutImageTransparent(x, y, w, h, part.get(), key);
}

void Painter::CopyArea(int x, int y, int w, int h, Drawable source, int sourceX, int sourceY) {
  if (gc == nullptr) return;
  FetchedImage region = FetchImage(display, source, sourceX, sourceY, w, h);
  if (region) PutImage(x, y, w, h, region.get());
}

int Painter::GetPixel(int x, int y) {
  if (gc == nullptr) return kNoColor;
  FetchedImage pixel = FetchImage(display, drawable, x, y, 1, 1);
  if (!pixel) return kNoColor;
  return static_cast<int>(XGetPixel(pixel.get(), 0, 0));
}

Pixmap MakePixmap(Display* display, Drawable like, XImage* image) {
  if (display == nullptr || like == 0) return 0;
  if (image == nullptr || image->width <= 0 || image->height <= 0) return 0;

  auto w = static_cast<unsigned>(image->width);
  auto h = static_cast<unsigned>(image->height);
  Pixmap pixmap = XCreatePixmap(display, like, w, h, static_cast<unsigned>(image->depth));
  XGCValues values{};
  ScopedGC gc{display, XCreateGC(display, pixmap, GCCapStyle | GCJoinStyle, &values)};
  if (gc.gc == nullptr) {
    Log("Errore XCreateGC");
    return pixmap;
  }
  XPutImage(display, pixmap, gc.gc, image, 0, 0, 0, 0, w, h);
  return pixmap;
}

}  // namespace tessarin
