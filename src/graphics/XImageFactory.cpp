#include "tessarin/graphics/XImageFactory.h"

#include <X11/Xutil.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/graphics/PixelBytes.h"
#include "tessarin/graphics/PixelFormatProbe.h"
#include "tessarin/graphics/PixelLayout.h"
#include "tessarin/util/Log.h"

namespace tessarin {

namespace {

constexpr int kPaletteEntries = 16;

struct RgbColor {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;
};

void ReadPalette(const unsigned char* data, RgbColor (&palette)[kPaletteEntries]) {
  for (int entry = 0; entry < kPaletteEntries; ++entry) {
    palette[entry] = {data[entry * 3], data[entry * 3 + 1], data[entry * 3 + 2]};
  }
}

void PutRgb(unsigned char* out, const RgbColor& color) {
  out[0] = color.red;
  out[1] = color.green;
  out[2] = color.blue;
}

// What MakeXImage builds with: the probed layout, or, while the probe has found nothing, what
// the server told of itself when the connection opened.
struct ImageLayout {
  int depth;
  int format;
  int xoffset;
  int padBytes;
  int bytesPerPixel;
  int byteOrder;
  ColorMasks masks;
};

// Xlib keeps the pixmap formats, the image byte order and the visual from the connection's
// set-up, so none of this asks the server anything.
ImageLayout UnprobedLayout(Display* display) {
  const int depth = DefaultDepth(display, DefaultScreen(display));
  ImageLayout layout{depth, ZPixmap, 0, 4, 4, ImageByteOrder(display), VisualColorMasks(display)};
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  for (int i = 0; i < count; ++i) {
    if (formats[i].depth != depth) continue;
    layout.padBytes = formats[i].scanline_pad / 8;
    layout.bytesPerPixel = formats[i].bits_per_pixel / 8;
  }
  if (formats != nullptr) XFree(formats);
  return layout;
}

ImageLayout CurrentLayout(Display* display) {
  const PixelLayout& probed = CurrentPixelLayout();
  if (!probed.IsProbed()) return UnprobedLayout(display);
  // A pixel of less than a byte cannot hold a TrueColor colour: no picture is made for it.
  const int bytesPerPixel = probed.bitsPerPixel % 8 == 0 ? probed.bitsPerPixel / 8 : 0;
  return {probed.depth,  probed.format,    probed.xoffset, probed.bitmapPad / 8,
          bytesPerPixel, probed.byteOrder, probed.masks};
}

int PaddedLineBytes(int w, const ImageLayout& layout) {
  int line = layout.bytesPerPixel * w;
  int pad = layout.padBytes > 0 ? layout.padBytes : 1;
  if (line % pad == 0) return line;
  int padded = (line / pad + 1) * pad;
  Log("WARNING img width: " + std::to_string(w) + " - bytes_per_line_Pad != bytes_per_line: " +
      std::to_string(padded) + " " + std::to_string(line));
  return padded;
}

bool IsUsualLayout(const ImageLayout& layout) {
  return layout.bytesPerPixel == 4 && layout.padBytes == 4 && layout.byteOrder == LSBFirst &&
         layout.masks.AreIdentity();
}

void FillPixels(unsigned char* buffer, const unsigned char* rgb, int w, int h, int lineBytes,
                const ImageLayout& layout) {
  if (IsUsualLayout(layout)) {
    // The layout every 24-bit TrueColor server has here: four plain stores per pixel, which the
    // compiler merges, instead of a pixel built from the masks. The pictures are converted
    // during the first paint, so this is start-up time.
    // Rows have no padding here, so the picture is one run of pixels.
    const std::size_t count = static_cast<std::size_t>(w) * h;
    unsigned char* pixel = buffer;
    const unsigned char* triple = rgb;
    for (std::size_t i = 0; i < count; ++i, pixel += 4, triple += 3) {
      pixel[0] = triple[2];
      pixel[1] = triple[1];
      pixel[2] = triple[0];
      pixel[3] = 0;
    }
    return;
  }
  // Any other TrueColor layout, 15- and 16-bit pixels among them: each colour goes into the
  // bits of the visual's masks, and the pixel into its bytes in the server's order.
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      unsigned char* pixel = buffer + row * lineBytes + column * layout.bytesPerPixel;
      const unsigned char* triple = rgb + (static_cast<std::size_t>(row) * w + column) * 3;
      const Color color = triple[0] << 16 | triple[1] << 8 | triple[2];
      StorePixel(pixel, ColorToPixel(color, layout.masks), layout.bytesPerPixel, layout.byteOrder);
    }
  }
}

}  // namespace

std::unique_ptr<unsigned char[]> DecodePaletteImage(int w, int h, const unsigned char* data) {
  if (data == nullptr || w <= 0 || h <= 0) return nullptr;
  RgbColor palette[kPaletteEntries];
  ReadPalette(data, palette);
  const std::size_t stride = PaletteRowBytes(w);
  const unsigned char* rows = data + kPaletteBytes;
  // Every byte is written below, so the buffer is left uninitialised.
  std::unique_ptr<unsigned char[]> rgb(new unsigned char[static_cast<std::size_t>(w) * h * 3]);
  for (int stored = 0; stored < h; ++stored) {
    const unsigned char* source = rows + stored * stride;
    unsigned char* target = rgb.get() + static_cast<std::size_t>(h - 1 - stored) * w * 3;
    for (int column = 0; column < w; ++column) {
      unsigned char byte = source[column / 2];
      int entry = column % 2 == 0 ? byte >> 4 : byte & 0x0F;
      PutRgb(target + column * 3, palette[entry]);
    }
  }
  return rgb;
}

namespace {
// True when there is a picture to convert and a display to convert it for; the pixel layout
// is then probed.
bool PrepareConversion(Display* display, const void* pixels, int w, int h) {
  if (display == nullptr || pixels == nullptr || w <= 0 || h <= 0) return false;
  ProbePixelFormat(display);
  return true;
}

// A pixel buffer that the caller fills whole at once. A picture's buffer is large (the title's
// is 32 pages), and a fresh page costs a fault on its first write: one request to the kernel
// puts them all in place instead. Kernels without that request refuse it, and the writes then
// fault the pages in one by one as before.
std::unique_ptr<unsigned char[]> NewPixelBuffer(std::size_t size, bool zeroed) {
  std::unique_ptr<unsigned char[]> buffer(zeroed ? new unsigned char[size]()
                                                 : new unsigned char[size]);
  static const std::uintptr_t pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(buffer.get());
  const std::uintptr_t firstPage = (begin + pageSize - 1) & ~(pageSize - 1);
  const std::uintptr_t endPage = (begin + size) & ~(pageSize - 1);
#ifdef MADV_POPULATE_WRITE
  if (!zeroed && endPage > firstPage) {
    madvise(reinterpret_cast<void*>(firstPage), endPage - firstPage, MADV_POPULATE_WRITE);
  }
#endif
  return buffer;
}

XImage* WrapPixels(Display* display, const ImageLayout& layout, unsigned char* pixels, int w, int h,
                   int lineBytes) {
  return XCreateImage(display, DefaultVisual(display, DefaultScreen(display)),
                      static_cast<unsigned>(layout.depth), layout.format, layout.xoffset,
                      reinterpret_cast<char*>(pixels), static_cast<unsigned>(w),
                      static_cast<unsigned>(h), layout.padBytes * 8, lineBytes);
}
}  // namespace

XImage* MakeXImage(Display* display, const unsigned char* rgb, int w, int h) {
  if (!PrepareConversion(display, rgb, w, h)) return nullptr;

  const ImageLayout layout = CurrentLayout(display);
  if (layout.bytesPerPixel <= 0 || layout.bytesPerPixel > 4) return nullptr;
  const int lineBytes = PaddedLineBytes(w, layout);
  const std::size_t size = static_cast<std::size_t>(h) * lineBytes;
  // The usual layout writes every byte; any other leaves padding and unused bytes at zero.
  std::unique_ptr<unsigned char[]> buffer = NewPixelBuffer(size, !IsUsualLayout(layout));
  FillPixels(buffer.get(), rgb, w, h, lineBytes, layout);

  XImage* image = WrapPixels(display, layout, buffer.get(), w, h, lineBytes);
  if (image != nullptr) buffer.release();  // the image owns its pixels from here on
  return image;
}

XImage* MakePaletteXImage(Display* display, const unsigned char* data, int w, int h) {
  if (!PrepareConversion(display, data, w, h)) return nullptr;
  const ImageLayout layout = CurrentLayout(display);
  if (!IsUsualLayout(layout)) {
    std::unique_ptr<unsigned char[]> rgb = DecodePaletteImage(w, h, data);
    return MakeXImage(display, rgb.get(), w, h);
  }
  // The title picture is converted in the first paint, so this is start-up time: each of the
  // 256 byte values becomes its two pixels' eight bytes once, and each byte of the picture an
  // eight-byte copy, with no intermediate buffer to allocate, fault in, write and read back.
  RgbColor palette[kPaletteEntries];
  ReadPalette(data, palette);
  unsigned char pixels[kPaletteEntries][4];
  for (int entry = 0; entry < kPaletteEntries; ++entry) {
    pixels[entry][0] = palette[entry].blue;
    pixels[entry][1] = palette[entry].green;
    pixels[entry][2] = palette[entry].red;
    pixels[entry][3] = 0;
  }
  unsigned char pairs[256][8];
  for (int byte = 0; byte < 256; ++byte) {
    std::memcpy(pairs[byte], pixels[byte >> 4], 4);
    std::memcpy(pairs[byte] + 4, pixels[byte & 0x0F], 4);
  }
  const int lineBytes = 4 * w;
  const std::size_t stride = PaletteRowBytes(w);
  const unsigned char* rows = data + kPaletteBytes;
  std::unique_ptr<unsigned char[]> buffer =
      NewPixelBuffer(static_cast<std::size_t>(h) * lineBytes, false);
  for (int stored = 0; stored < h; ++stored) {
    const unsigned char* source = rows + stored * stride;
    unsigned char* target = buffer.get() + static_cast<std::size_t>(h - 1 - stored) * lineBytes;
    const std::size_t wholeBytes = static_cast<std::size_t>(w) / 2;
    for (std::size_t byte = 0; byte < wholeBytes; ++byte) {
      std::memcpy(target + 8 * byte, pairs[source[byte]], 8);
    }
    // An odd width leaves the last byte's left pixel alone.
    if (w % 2 != 0) std::memcpy(target + 8 * wholeBytes, pixels[source[wholeBytes] >> 4], 4);
  }
  XImage* image = WrapPixels(display, layout, buffer.get(), w, h, lineBytes);
  if (image != nullptr) buffer.release();  // the image owns its pixels from here on
  return image;
}

XImage* CopyXImage(Display* display, const XImage& image) {
  if (display == nullptr || image.data == nullptr || image.format != ZPixmap) return nullptr;
  if (image.width <= 0 || image.height <= 0 || image.bytes_per_line <= 0) return nullptr;
  const std::size_t size = static_cast<std::size_t>(image.height) * image.bytes_per_line;
  std::unique_ptr<unsigned char[]> buffer = NewPixelBuffer(size, false);
  std::memcpy(buffer.get(), image.data, size);
  XImage* copy =
      XCreateImage(display, DefaultVisual(display, DefaultScreen(display)),
                   static_cast<unsigned>(image.depth), image.format, image.xoffset,
                   reinterpret_cast<char*>(buffer.get()), static_cast<unsigned>(image.width),
                   static_cast<unsigned>(image.height), image.bitmap_pad, image.bytes_per_line);
  if (copy == nullptr) return nullptr;
  buffer.release();  // the copy owns its pixels from here on
  // Both come from this display, so they read their bytes alike; anything else is refused.
  if (copy->bits_per_pixel != image.bits_per_pixel || copy->byte_order != image.byte_order) {
    DestroyXImage(copy);
    return nullptr;
  }
  return copy;
}

void DestroyXImage(XImage* image) {
  if (image == nullptr) return;
  delete[] reinterpret_cast<unsigned char*>(image->data);
  image->data = nullptr;
  XFree(image);
}

}  // namespace tessarin
