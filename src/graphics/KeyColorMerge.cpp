#include "graphics/KeyColorMerge.h"

#include <algorithm>

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
