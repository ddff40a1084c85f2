// The client-side half of the pixel-layout probe: taking the parameters and the colour byte
// positions from the read-back probe pixel into MyImage's class-wide layout, with a warning for
// anything unexpected. ProbePixelFormat (Painter.h) draws and reads the pixel; this half needs
// no server, so any layout a server might report can be checked.
#pragma once

#include <X11/Xlib.h>

// The colour the probe draws; its red, green and blue bytes are what the pixel is searched for.
constexpr unsigned long kProbeColor = 0xCF3B76;

void AdoptProbedPixel(const XImage& pixel);
