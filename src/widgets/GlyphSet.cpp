#include "widgets/GlyphSet.h"

void GlyphSet::BuildIfMissing(Display* display, Color ground) {
  if (ground != builtGround) {
    for (OwnedXImage& picture : pictures) picture.reset();
    builtGround = ground;
  }
  for (bool marked : {false, true}) {
    for (bool enabled : {false, true}) {
      OwnedXImage& picture = pictures[Slot(marked, enabled)];
      if (picture) continue;
      const GlyphPicture art = DrawGlyph(shape, marked, enabled, ground);
      picture.reset(MakePaletteXImage(display, art.data(), kGlyphSize, kGlyphSize));
    }
  }
}

XImage* GlyphSet::Pick(bool marked, bool enabled) const {
  return pictures[Slot(marked, enabled)].get();
}
