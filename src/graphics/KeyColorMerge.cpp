#include "tessarin/graphics/KeyColorMerge.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "tessarin/graphics/PixelBytes.h"

namespace tessarin {

namespace {

int BytesPerPixel(const XImage* image) {
  return image->bits_per_pixel % 8 == 0 ? image->bits_per_pixel / 8 : 0;
}

bool MasksFit(const ColorMasks& masks, int bytesPerPixel) {
  if (bytesPerPixel < 1 || bytesPerPixel > 4) return false;
  return static_cast<std::uint64_t>(masks.All()) >> (8 * bytesPerPixel) == 0;
}

// How many whole pixels one row of the image really holds.
int UsableWidth(const XImage* image) {
  int perRow = image->bytes_per_line / BytesPerPixel(image);
  return std::min(image->width, perRow);
}

// A pixel's bytes as one image stores them, for a row walked a pixel at a time.
struct PixelRow {
  unsigned char* bytes;
  int step;
  int byteOrder;

  unsigned long Get(int column) const { return LoadPixel(bytes + column * step, step, byteOrder); }
  void Set(int column, unsigned long pixel) const {
    StorePixel(bytes + column * step, pixel, step, byteOrder);
  }
};

PixelRow RowOf(const XImage* image, int row) {
  return {reinterpret_cast<unsigned char*>(image->data) + row * image->bytes_per_line,
          BytesPerPixel(image), image->byte_order};
}

// Four-byte pixels in the same byte order as words: the colour bits are compared and copied
// together with one mask, laid out in the images' order and read in the host's.
struct WordPixels {
  std::uint32_t mask;
  std::uint32_t key;

  WordPixels(unsigned long colourBits, unsigned long keyPixel, int byteOrder) {
    unsigned char maskBytes[4];
    unsigned char keyBytes[4];
    StorePixel(maskBytes, colourBits, 4, byteOrder);
    StorePixel(keyBytes, keyPixel, 4, byteOrder);
    std::memcpy(&mask, maskBytes, 4);
    std::memcpy(&key, keyBytes, 4);
  }

  void ReplaceRow(unsigned char* target, const unsigned char* source, int w) const {
    for (int column = 0; column < w; ++column, target += 4, source += 4) {
      std::uint32_t pixel;
      std::memcpy(&pixel, target, 4);
      if ((pixel & mask) != key) continue;
      std::uint32_t under;
      std::memcpy(&under, source, 4);
      pixel = (pixel & ~mask) | (under & mask);
      std::memcpy(target, &pixel, 4);
    }
  }
};

}  // namespace

void ReplaceKeyPixels(XImage* image, const XImage* background, int w, int h, Color key,
                      const PixelLayout& layout) {
  if (image == nullptr || background == nullptr) return;
  if (image->data == nullptr || background->data == nullptr) return;
  const ColorMasks& masks = layout.masks;
  if (!MasksFit(masks, BytesPerPixel(image)) || !MasksFit(masks, BytesPerPixel(background))) {
    return;
  }

  w = std::min({w, UsableWidth(image), UsableWidth(background)});
  h = std::min({h, image->height, background->height});
  const unsigned long colourBits = masks.All();
  const unsigned long keyPixel = ColorToPixel(key, masks) & colourBits;

  if (BytesPerPixel(image) == 4 && BytesPerPixel(background) == 4 &&
      image->byte_order == background->byte_order) {
    // Every picture of a 24-bit TrueColor server: a transparent blit's whole merge is start-up
    // time in the gallery, so it takes a word at a time.
    const WordPixels words(colourBits, keyPixel, image->byte_order);
    for (int row = 0; row < h; ++row) {
      words.ReplaceRow(RowOf(image, row).bytes, RowOf(background, row).bytes, w);
    }
    return;
  }
  for (int row = 0; row < h; ++row) {
    const PixelRow target = RowOf(image, row);
    const PixelRow source = RowOf(background, row);
    for (int column = 0; column < w; ++column) {
      const unsigned long pixel = target.Get(column);
      if ((pixel & colourBits) != keyPixel) continue;
      target.Set(column, (pixel & ~colourBits) | (source.Get(column) & colourBits));
    }
  }
}

}  // namespace tessarin
