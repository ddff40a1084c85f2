#include "graphics/KeyColorMerge.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

int BytesPerPixel(const XImage* image) {
  return image->bits_per_pixel / 8;
}

bool LayoutFits(const PixelLayout& layout, int bytesPerPixel) {
  int lowest = std::min({layout.red, layout.green, layout.blue});
  int highest = std::max({layout.red, layout.green, layout.blue});
  return lowest >= 0 && highest < bytesPerPixel;
}

// How many whole pixels one row of the image really holds.
int UsableWidth(const XImage* image) {
  int perRow = image->bytes_per_line / BytesPerPixel(image);
  return std::min(image->width, perRow);
}

// A four-byte pixel as a word: the colour bytes, wherever the layout puts them, are compared
// and copied together with one mask, in the host's order whatever it is.
struct WordPixels {
  std::uint32_t mask;
  std::uint32_t key;

  WordPixels(const PixelLayout& layout, unsigned char keyRed, unsigned char keyGreen,
             unsigned char keyBlue) {
    unsigned char maskBytes[4] = {};
    unsigned char keyBytes[4] = {};
    maskBytes[layout.red] = maskBytes[layout.green] = maskBytes[layout.blue] = 0xFF;
    keyBytes[layout.red] = keyRed;
    keyBytes[layout.green] = keyGreen;
    keyBytes[layout.blue] = keyBlue;
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
  int imageStep = BytesPerPixel(image);
  int backgroundStep = BytesPerPixel(background);
  if (!LayoutFits(layout, imageStep) || !LayoutFits(layout, backgroundStep)) return;

  w = std::min({w, UsableWidth(image), UsableWidth(background)});
  h = std::min({h, image->height, background->height});
  const auto keyRed = static_cast<unsigned char>((key >> 16) & 0xFF);
  const auto keyGreen = static_cast<unsigned char>((key >> 8) & 0xFF);
  const auto keyBlue = static_cast<unsigned char>(key & 0xFF);

  if (imageStep == 4 && backgroundStep == 4) {
    // Every picture of a 24-bit TrueColor server: a transparent blit's whole merge is start-up
    // time in the gallery, so it takes a word at a time.
    const WordPixels words(layout, keyRed, keyGreen, keyBlue);
    for (int row = 0; row < h; ++row) {
      words.ReplaceRow(reinterpret_cast<unsigned char*>(image->data) + row * image->bytes_per_line,
                       reinterpret_cast<const unsigned char*>(background->data) +
                           row * background->bytes_per_line,
                       w);
    }
    return;
  }
  for (int row = 0; row < h; ++row) {
    auto* target = reinterpret_cast<unsigned char*>(image->data) + row * image->bytes_per_line;
    const auto* source =
        reinterpret_cast<const unsigned char*>(background->data) + row * background->bytes_per_line;
    for (int column = 0; column < w; ++column) {
      unsigned char* pixel = target + column * imageStep;
      const unsigned char* under = source + column * backgroundStep;
      if (pixel[layout.red] != keyRed || pixel[layout.green] != keyGreen ||
          pixel[layout.blue] != keyBlue) {
        continue;
      }
      pixel[layout.red] = under[layout.red];
      pixel[layout.green] = under[layout.green];
      pixel[layout.blue] = under[layout.blue];
    }
  }
}
