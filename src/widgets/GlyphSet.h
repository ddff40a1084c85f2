// The four pictures one check or option box shows (marked or not, enabled or not), converted
// for the server the first time the box paints and owned by the box until it goes.
#pragma once

#include <X11/Xlib.h>

#include "graphics/Color.h"
#include "graphics/XImageFactory.h"
#include "widgets/GlyphArt.h"

class GlyphSet {
 public:
  explicit GlyphSet(GlyphShape glyphShape) : shape(glyphShape) {}

  // Converts the pictures still missing, on the given ground; pictures built on another ground
  // are built again.
  void BuildIfMissing(Display* display, Color ground = kGlyphGround);
  // Null while not built.
  XImage* Pick(bool marked, bool enabled) const;

 private:
  static int Slot(bool marked, bool enabled) { return (marked ? 2 : 0) + (enabled ? 1 : 0); }

  GlyphShape shape;
  Color builtGround = kGlyphGround;
  OwnedXImage pictures[4];
};
