// The pixel work of a transparent blit, done on client-side buffers only: the pixels of an
// image that carry the key colour take the colour bits of the background beneath them. The key
// is compared as the pixel the layout's masks make of it, so it matches on a 16-bit screen as
// on a 24-bit one; bits outside the masks (the spare byte of a 32-bit pixel) stay as they are.
// Nothing here talks to the server, so it is checked without one. The caller keeps both images.
#pragma once

#include <X11/Xlib.h>

#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/PixelLayout.h"

namespace tessarin {

// Changes image in place over its top-left w x h. The area is clamped to both images' real
// sizes and rows are walked with each image's own bytes_per_line, bits_per_pixel and byte
// order, so no size a caller passes can reach outside either buffer. Pixels of less than a
// byte or more than four, or masks that do not fit in them, change nothing.
void ReplaceKeyPixels(XImage* image, const XImage* background, int w, int h, Color key,
                      const PixelLayout& layout);

}  // namespace tessarin
