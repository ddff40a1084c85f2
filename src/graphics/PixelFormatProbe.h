// The one-time probe of the server's pixel layout. A pixel of a known colour is drawn into an
// offscreen 1 x 1 pixmap of the screen's depth and read back; the byte positions of its red,
// green and blue, and the image parameters, become the process-wide PixelLayout. The pixmap
// leaves no mark on any window. AdoptProbedPixel is the client-side half: it needs no server,
// so any layout a server might report can be checked.
#pragma once

#include <X11/Xlib.h>

#include "tessarin/graphics/ColorMasks.h"

namespace tessarin {

// The colour the probe draws; its red, green and blue bytes are what the pixel is searched for.
constexpr unsigned long kProbeColor = 0xCF3B76;

// Runs the probe once per process, on the display's default screen; later calls return at
// once. A display that cannot give the pixel leaves the layout unprobed for a later call.
void ProbePixelFormat(Display* display);

// Takes the read-back pixel's parameters and colour positions, and the masks of the visual it
// was drawn for, as the process-wide layout, logging a warning for anything unexpected.
void AdoptProbedPixel(const XImage& pixel, const ColorMasks& masks = {});

}  // namespace tessarin
