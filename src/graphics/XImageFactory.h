// The two conversions every picture of the toolkit goes through: a palette image into packed
// RGB triples, and RGB triples into an XImage in the pixel layout the probe found. The caller
// owns what they return: the triples as a unique_ptr, the XImage until DestroyXImage (or an
// OwnedXImage) frees it together with the pixel buffer it owns.
#pragma once

#include <X11/Xlib.h>

#include <memory>

namespace tessarin {

// w x h x 3 bytes, red, green, blue per pixel, top row first; null for bad arguments.
std::unique_ptr<unsigned char[]> DecodePaletteImage(int w, int h, const unsigned char* data);

// An XImage for the display's default screen; null when rgb is null or there is no display.
XImage* MakeXImage(Display* display, const unsigned char* rgb, int w, int h);

// The same XImage as MakeXImage(display, DecodePaletteImage(w, h, data).get(), w, h), built
// without the triples in between when the server has the usual 32-bit layout.
XImage* MakePaletteXImage(Display* display, const unsigned char* data, int w, int h);

// A client-side copy of a ZPixmap image with its own pixel buffer, for a blit that must change
// the pixels while the picture stays as it is; null when the image has no pixels or the display
// is null. Freed by DestroyXImage.
XImage* CopyXImage(Display* display, const XImage& image);

// Only for images made by MakeXImage, CopyXImage or MakePaletteXImage: frees the pixel buffer and
// the structure. Null is fine.
void DestroyXImage(XImage* image);

struct XImageDestroyer {
  void operator()(XImage* image) const { DestroyXImage(image); }
};

using OwnedXImage = std::unique_ptr<XImage, XImageDestroyer>;

}  // namespace tessarin
