// Readers for uncompressed Windows BMP files of 24, 8 and 4 bits per pixel. Each gives the
// picture as packed RGB triples that the caller owns, or nothing when the file cannot be
// used, with one log line saying why. A file is read only when it is a regular file under its
// own name, not through a symbolic link, and no longer than kMaxBitmapFileBytes. The 4-bit reader
// also writes the picture beside the file as C source (BitmapExport.h). Nothing here talks to the X
// server.
#pragma once

#include <memory>
#include <string>

namespace tessarin {

// width x height x 3 bytes, red, green, blue per pixel, top row first, no row padding.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::unique_ptr<unsigned char[]> pixels;

  explicit operator bool() const { return pixels != nullptr; }
};

// The limits of one side and of the pixel area; larger files are refused, with a log line,
// before anything is allocated. The area keeps the biggest picture read at 48 MB of triples.
constexpr int kMaxBitmapSide = 16384;
constexpr long long kMaxBitmapArea = 4096LL * 4096;
// No usable file within the limits is longer: 4 bytes a pixel cover a 24-bit row with its
// padding, and the rest the headers, the palette and whatever a writer leaves between.
constexpr long long kMaxBitmapFileBytes = kMaxBitmapArea * 4 + (1 << 20);

// Fills the picture's width, its height (a row count: positive also for top-down files) and
// the offset of the pixel data. False, all three 0, when the file has no complete BMP header.
// Checks nothing else and logs nothing.
bool ReadBitmapHeader(const std::string& path, int& width, int& height, int& dataOffset);

RgbPicture ReadBitmap24(const std::string& path);
RgbPicture ReadBitmap8(const std::string& path);
// Also writes path + ".c" (a file already there is replaced): the picture in the palette
// image format, its palette always 16 entries (a shorter one filled with black).
RgbPicture ReadBitmap4(const std::string& path);

// The reader for a depth of 4, 8 or 24; any other depth gives nothing and one log line.
RgbPicture ReadBitmap(const std::string& path, int depth);

}  // namespace tessarin
