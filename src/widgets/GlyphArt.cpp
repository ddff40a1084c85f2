#include "tessarin/widgets/GlyphArt.h"

#include <algorithm>
#include <cstddef>

namespace tessarin {

namespace {

// The palette entries the pictures use; the rest of the 16 stay black.
enum Entry : unsigned char {
  kGround,
  kOuterShadow,
  kInnerShadow,
  kInnerLight,
  kOuterLight,
  kFace,
  kMark,
  kUsedEntries
};

constexpr int kLast = kGlyphSize - 1;

using IndexGrid = std::array<unsigned char, kGlyphSize * kGlyphSize>;

// The light comes from the top left: the pixels on that side of the anti-diagonal are in shade
// on a sunken ring, the others are lit.
bool FacesTheLight(int x, int y) {
  return x + y < kLast;
}

unsigned char RingEntry(int ring, int x, int y) {
  if (ring == 0) return FacesTheLight(x, y) ? kOuterShadow : kOuterLight;
  return FacesTheLight(x, y) ? kInnerShadow : kInnerLight;
}

// A check mark ten columns wide: three pixels thick, down to the right for four columns and up
// to the right for six, inside the square's 16 x 16 face.
bool OnCheckMark(int x, int y) {
  constexpr int kFirst = 5, kTurn = 8, kLastColumn = 14, kTopAtFirst = 8, kThickness = 3;
  if (x < kFirst || x > kLastColumn) return false;
  const int top =
      x <= kTurn ? kTopAtFirst + (x - kFirst) : kTopAtFirst + (kTurn - kFirst) - (x - kTurn);
  return y >= top && y < top + kThickness;
}

unsigned char SquarePixel(int x, int y, bool marked) {
  const int ring = std::min(std::min(x, y), std::min(kLast - x, kLast - y));
  if (ring < 2) return RingEntry(ring, x, y);
  return marked && OnCheckMark(x, y) ? kMark : kFace;
}

// Distances are taken between pixel centres in half pixels, so the circle's centre, (9.5, 9.5),
// and every radius are whole numbers: squared radii 10, 9, 8 and 4 pixels.
unsigned char CirclePixel(int x, int y, bool marked) {
  const int dx = 2 * x + 1 - kGlyphSize;
  const int dy = 2 * y + 1 - kGlyphSize;
  const int squared = dx * dx + dy * dy;
  if (squared > 20 * 20) return kGround;
  if (squared > 18 * 18) return RingEntry(0, x, y);
  if (squared > 16 * 16) return RingEntry(1, x, y);
  return marked && squared <= 8 * 8 ? kMark : kFace;
}

IndexGrid DrawIndices(GlyphShape shape, bool marked) {
  IndexGrid grid{};
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < kGlyphSize; ++x) {
      grid[y * kGlyphSize + x] =
          shape == GlyphShape::CheckSquare ? SquarePixel(x, y, marked) : CirclePixel(x, y, marked);
    }
  }
  return grid;
}

void PutPaletteEntry(GlyphPicture& picture, unsigned char entry, Color color) {
  picture[entry * 3] = static_cast<unsigned char>((color >> 16) & 0xFF);
  picture[entry * 3 + 1] = static_cast<unsigned char>((color >> 8) & 0xFF);
  picture[entry * 3 + 2] = static_cast<unsigned char>(color & 0xFF);
}

void PutPalette(GlyphPicture& picture, bool enabled, Color ground) {
  static_assert(kUsedEntries <= 16, "a palette image has 16 entries");
  PutPaletteEntry(picture, kGround, ground);
  PutPaletteEntry(picture, kOuterShadow, kGlyphOuterShadow);
  PutPaletteEntry(picture, kInnerShadow, kGlyphInnerShadow);
  PutPaletteEntry(picture, kInnerLight, kGlyphInnerLight);
  PutPaletteEntry(picture, kOuterLight, kGlyphOuterLight);
  PutPaletteEntry(picture, kFace, enabled ? kGlyphFace : kGlyphDisabledFace);
  PutPaletteEntry(picture, kMark, enabled ? kGlyphMark : kGlyphDisabledMark);
}

// Two pixels a byte, the left one in the high nibble, bottom row first.
void PutRows(GlyphPicture& picture, const IndexGrid& grid) {
  constexpr std::size_t kRowBytes = PaletteRowBytes(kGlyphSize);
  static_assert(kGlyphSize % 2 == 0, "every byte holds two pixels of the row");
  for (int y = 0; y < kGlyphSize; ++y) {
    unsigned char* row = picture.data() + kPaletteBytes + (kLast - y) * kRowBytes;
    for (int x = 0; x < kGlyphSize; x += 2) {
      row[x / 2] =
          static_cast<unsigned char>(grid[y * kGlyphSize + x] << 4 | grid[y * kGlyphSize + x + 1]);
    }
  }
}

}  // namespace

GlyphPicture DrawGlyph(GlyphShape shape, bool marked, bool enabled, Color ground) {
  GlyphPicture picture{};
  PutPalette(picture, enabled, ground);
  PutRows(picture, DrawIndices(shape, marked));
  return picture;
}

XImage* GlyphSet::Get(Display* display, bool marked, bool enabled, Color ground) {
  if (ground != builtGround) {
    for (OwnedXImage& picture : pictures) picture.reset();
    builtGround = ground;
  }
  // A box shows one or two of its four pictures at first; the others wait until it needs
  // them, which a box on a form that is starting may never do.
  OwnedXImage& picture = pictures[Slot(marked, enabled)];
  if (!picture) {
    const GlyphPicture art = DrawGlyph(shape, marked, enabled, ground);
    picture.reset(MakePaletteXImage(display, art.data(), kGlyphSize, kGlyphSize));
  }
  return picture.get();
}

}  // namespace tessarin
