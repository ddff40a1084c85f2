// The pictures beside the captions of check and option boxes, drawn here in code as 20 x 20
// palette images, the format every compiled-in picture of the toolkit has, so they go through
// the same conversion as the others. Drawing them needs no server; a box's GlyphSet converts
// them at its first paint and owns the XImages it makes.
#pragma once

#include <X11/Xlib.h>

#include <array>

#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/graphics/XImageFactory.h"

namespace tessarin {

constexpr int kGlyphSize = 20;

using GlyphPicture = std::array<unsigned char, PaletteImageSize(kGlyphSize, kGlyphSize)>;

// CheckSquare: a sunken white square, holding a check mark when marked. OptionCircle: a sunken
// circle on a black ground, black being the see-through colour, holding a dot when marked. The
// disabled pictures have the same pixels in a greyer palette.
enum class GlyphShape { CheckSquare, OptionCircle };

// ground replaces the black around the circle: a widget that knows what lies beneath its marks
// can have them drawn on it and blit them whole.
GlyphPicture DrawGlyph(GlyphShape shape, bool marked, bool enabled, Color ground);

// The colours that tell the states apart on screen.
constexpr Color kGlyphGround = kBlack;
constexpr Color kGlyphFace = kWhite;
constexpr Color kGlyphDisabledFace = 0xDCDCDC;
// Not pure black: black is the see-through ground of the option circle, and a black dot would
// show the background through it.
constexpr Color kGlyphMark = 0x101010;
constexpr Color kGlyphDisabledMark = kDisabledText;
constexpr Color kGlyphOuterShadow = 0x808080;
constexpr Color kGlyphInnerShadow = 0x404040;
constexpr Color kGlyphInnerLight = 0xD4D0C8;
constexpr Color kGlyphOuterLight = kWhite;

// The four pictures one check or option box shows (marked or not, enabled or not), each
// converted for the server the first time the box shows it, and owned by the box until it goes.
class GlyphSet {
 public:
  explicit GlyphSet(GlyphShape glyphShape) : shape(glyphShape) {}

  // The picture of the state on the given ground, converted if still missing; pictures built
  // on another ground are built again. Null when it cannot be converted.
  XImage* Get(Display* display, bool marked, bool enabled, Color ground = kGlyphGround);

 private:
  static int Slot(bool marked, bool enabled) { return (marked ? 2 : 0) + (enabled ? 1 : 0); }

  GlyphShape shape;
  Color builtGround = kGlyphGround;
  OwnedXImage pictures[4];
};

}  // namespace tessarin
