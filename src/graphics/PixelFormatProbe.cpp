// The one-time probe of the server's pixel layout: a pixel of a known colour is drawn into a
// form's window and read back, and the byte positions of its red, green and blue become the
// layout every image conversion and transparent blit of the process uses.
#include "graphics/PixelFormatProbe.h"

#include <algorithm>
#include <string>

#include "app/Application.h"
#include "framework/Child.h"
#include "framework/Form.h"
#include "graphics/FetchedImage.h"
#include "graphics/Painter.h"
#include "util/Log.h"
#include "widgets/MyImage.h"

namespace {

constexpr unsigned char kProbeRed = (kProbeColor >> 16) & 0xFF;
constexpr unsigned char kProbeGreen = (kProbeColor >> 8) & 0xFF;
constexpr unsigned char kProbeBlue = kProbeColor & 0xFF;
constexpr int kSampleBytes = 8;

void WarnUnless(bool expected, const char* what, int value) {
  if (!expected) Log(std::string(what) + std::to_string(value));
}

void RecordImageParameters(const XImage& pixel) {
  MyImage::probedBitmapPad = pixel.bitmap_pad;
  MyImage::probedBitOrder = pixel.bitmap_bit_order;
  MyImage::probedBitsPerPixel = pixel.bits_per_pixel;
  MyImage::probedFormat = pixel.format;
  MyImage::probedXOffset = pixel.xoffset;
  MyImage::probedDepth = pixel.depth;
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
void FindColorBytes(const XImage& pixel) {
  // A real pixel row always holds the pixel; a bogus report must not lead past the buffer.
  int bytesPerPixel = std::min(pixel.bits_per_pixel / 8, pixel.bytes_per_line);
  bool red = false, green = false, blue = false;
  for (int i = 0; i < kSampleBytes; ++i) {
    unsigned char byte = i < bytesPerPixel ? static_cast<unsigned char>(pixel.data[i]) : 0;
    MyImage::pixelSample[i] = byte;
    if (i >= bytesPerPixel) continue;
    // A later match overwrites an earlier one, as a layout with repeated bytes demands.
    if (byte == kProbeRed) {
      MyImage::ixRosso = i;
      red = true;
    }
    if (byte == kProbeGreen) {
      MyImage::ixVerde = i;
      green = true;
    }
    if (byte == kProbeBlue) {
      MyImage::ixBlu = i;
      blue = true;
    }
  }
  bool complete = red && green && blue;
  WarnUnless(complete && MyImage::ixRosso == 2, "WARNING MyImage::ixRosso: ", MyImage::ixRosso);
  WarnUnless(complete && MyImage::ixVerde == 1, "WARNING MyImage::ixVerde: ", MyImage::ixVerde);
  WarnUnless(complete && MyImage::ixBlu == 0, "WARNING MyImage::ixBlu: ", MyImage::ixBlu);
}

}  // namespace

void AdoptProbedPixel(const XImage& pixel) {
  RecordImageParameters(pixel);
  WarnAboutUnexpectedImage(pixel);
  FindColorBytes(pixel);
}

void ProbePixelFormat(GUIElement* element) {
  if (MyImage::probedDepth != 0) return;
  Form* form = FindForm(element);
  if (form == nullptr || form->GetApplication() == nullptr) return;
  Painter painter(form);
  if (!painter.IsValid()) return;
  painter.DrawPoint(0, 0, static_cast<Color>(kProbeColor));
  FetchedImage pixel =
      FetchImage(form->GetApplication()->GetDisplay(), form->GetWindow(), 0, 0, 1, 1);
  // Unreadable now (say, not mapped yet): the layout stays unprobed and the next call retries.
  if (!pixel || pixel->data == nullptr) return;
  AdoptProbedPixel(*pixel);
}
