// The pixel work of a transparent blit, done on client-side buffers only: the pixels of an
// image that carry the key colour take the bytes of the background beneath them. Nothing here
// talks to the server, so it is checked without one. The caller keeps both images.
#pragma once

#include <X11/Xlib.h>

#include "graphics/Color.h"
#include "graphics/PixelLayout.h"

// Changes image in place over its top-left w x h. The area is clamped to both images' real
// sizes and rows are walked with each image's own bytes_per_line, so no size a caller passes
// can reach outside either buffer. Layouts whose indices do not fit in a pixel change nothing.
void ReplaceKeyPixels(XImage* image, const XImage* background, int w, int h, Color key,
                      const PixelLayout& layout);
