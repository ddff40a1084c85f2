#include "widgets/GlyphSet.h"

void GlyphSet::BuildIfMissing(Display* display) {
  for (bool marked : {false, true}) {
    for (bool enabled : {false, true}) {
      OwnedXImage& picture = pictures[Slot(marked, enabled)];
      if (picture) continue;
      const GlyphPicture art = DrawGlyph(shape, marked, enabled);
      picture.reset(MakePaletteXImage(display, art.data(), kGlyphSize, kGlyphSize));
    }
  }
}

XImage* GlyphSet::Pick(bool marked, bool enabled) const {
  return pictures[Slot(marked, enabled)].get();
}
