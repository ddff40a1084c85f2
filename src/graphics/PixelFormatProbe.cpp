#include "tessarin/graphics/PixelFormatProbe.h"

#include <algorithm>
#include <string>

#include "tessarin/graphics/FetchedImage.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/PixelLayout.h"
#include "tessarin/graphics/ScopedXResources.h"
#include "tessarin/util/Log.h"

namespace tessarin {

namespace {

constexpr unsigned char kProbeRed = (kProbeColor >> 16) & 0xFF;
constexpr unsigned char kProbeGreen = (kProbeColor >> 8) & 0xFF;
constexpr unsigned char kProbeBlue = kProbeColor & 0xFF;
constexpr int kSampleBytes = 8;

void WarnUnless(bool expected, const char* what, int value) {
  if (!expected) Log(std::string(what) + std::to_string(value));
}

void RecordImageParameters(const XImage& pixel, PixelLayout& layout) {
  layout.bitmapPad = pixel.bitmap_pad;
  layout.bitOrder = pixel.bitmap_bit_order;
  layout.bitsPerPixel = pixel.bits_per_pixel;
  layout.format = pixel.format;
  layout.xoffset = pixel.xoffset;
  layout.depth = pixel.depth;
  layout.byteOrder = pixel.byte_order;
}

// Anything but 32-bit little-endian ZPixmap at depth 24 is noted; the probed values are used
// all the same.
void WarnAboutUnexpectedImage(const XImage& pixel) {
  WarnUnless(pixel.format == ZPixmap, "WARNING img->format: ", pixel.format);
  WarnUnless(pixel.xoffset == 0, "WARNING img->xoffset: ", pixel.xoffset);
  WarnUnless(pixel.bitmap_pad == 32, "WARNING img->bitmap_pad: ", pixel.bitmap_pad);
  WarnUnless(pixel.bitmap_unit == 32, "WARNING img->bitmap_unit: ", pixel.bitmap_unit);
  WarnUnless(pixel.depth == 24, "WARNING img->depth: ", pixel.depth);
  WarnUnless(pixel.bits_per_pixel == 32, "WARNING img->bits_per_pixel: ", pixel.bits_per_pixel);
  WarnUnless(pixel.bitmap_bit_order == LSBFirst,
             "WARNING img->bitmap_bit_order: ", pixel.bitmap_bit_order);
  WarnUnless(pixel.byte_order == LSBFirst, "WARNING img->byte_order: ", pixel.byte_order);
}

// Keeps the pixel's bytes and notes where the probe colour's components landed.
void FindColorBytes(const XImage& pixel, PixelLayout& layout) {
  // A real pixel row always holds the pixel; a bogus report must not lead past the buffer.
  int bytesPerPixel = std::min(pixel.bits_per_pixel / 8, pixel.bytes_per_line);
  bool red = false, green = false, blue = false;
  for (int i = 0; i < kSampleBytes; ++i) {
    unsigned char byte = i < bytesPerPixel ? static_cast<unsigned char>(pixel.data[i]) : 0;
    layout.sample[i] = byte;
    if (i >= bytesPerPixel) continue;
    // A later match overwrites an earlier one, as a layout with repeated bytes demands.
    if (byte == kProbeRed) {
      layout.red = i;
      red = true;
    }
    if (byte == kProbeGreen) {
      layout.green = i;
      green = true;
    }
    if (byte == kProbeBlue) {
      layout.blue = i;
      blue = true;
    }
  }
  bool complete = red && green && blue;
  WarnUnless(complete && layout.red == 2, "WARNING MyImage::ixRosso: ", layout.red);
  WarnUnless(complete && layout.green == 1, "WARNING MyImage::ixVerde: ", layout.green);
  WarnUnless(complete && layout.blue == 0, "WARNING MyImage::ixBlu: ", layout.blue);
}

}  // namespace

void AdoptProbedPixel(const XImage& pixel, const ColorMasks& masks) {
  PixelLayout layout = CurrentPixelLayout();
  RecordImageParameters(pixel, layout);
  layout.masks = masks;
  WarnAboutUnexpectedImage(pixel);
  FindColorBytes(pixel, layout);
  SetPixelLayout(layout);
}

void ProbePixelFormat(Display* display) {
  if (CurrentPixelLayout().IsProbed() || display == nullptr) return;
  const int screen = DefaultScreen(display);
  // Offscreen, so the probe colour never shows: drawn into a window it stayed there until
  // that spot was repainted. A pixmap of the screen's depth reads back in the same layout.
  ScopedPixmap canvas{display, XCreatePixmap(display, RootWindow(display, screen), 1, 1,
                                             static_cast<unsigned>(DefaultDepth(display, screen)))};
  FetchedImage pixel;
  {
    Painter painter(PaintTarget{display, canvas.pixmap, nullptr});
    if (!painter.IsValid()) return;
    painter.DrawPoint(0, 0, static_cast<Color>(kProbeColor));
  }
  pixel = FetchImage(display, canvas.pixmap, 0, 0, 1, 1);
  if (!pixel || pixel->data == nullptr) return;
  AdoptProbedPixel(*pixel, VisualColorMasks(display));
}

}  // namespace tessarin
