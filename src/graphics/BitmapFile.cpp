#include "tessarin/graphics/BitmapFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tessarin/graphics/BitmapExport.h"
#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/util/Log.h"
#include "tessarin/util/SafeFile.h"

namespace tessarin {

namespace {

constexpr int kHeaderBytes = 54;
constexpr std::int64_t kFileHeaderBytes = 14;
constexpr std::int64_t kSmallestInfoHeader = 40;
constexpr std::int64_t kMaxPaletteEntries = 256;
constexpr int kPaletteEntryBytes = 4;

// The fields of the file header and the info header that the readers use, little-endian.
struct BitmapHeader {
  bool signature = false;
  std::int64_t dataOffset = 0;
  std::int64_t infoSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int bitCount = 0;
  std::uint32_t compression = 0;
};

// Where the parts of a file that passed every check lie, and the size of the picture.
struct BitmapLayout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  std::size_t rowBytes = 0;
  std::int64_t paletteStart = 0;
  int paletteEntries = 0;
  std::int64_t dataOffset = 0;
};

// What the readers take from the file: the palette as red, green, blue triples and the pixel
// rows as stored, padding included.
struct StoredBitmap {
  BitmapLayout layout;
  std::vector<unsigned char> palette;
  std::vector<unsigned char> rows;
};

std::uint32_t Unsigned32(const unsigned char* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::int64_t Signed32(const unsigned char* bytes) {
  return static_cast<std::int32_t>(Unsigned32(bytes));
}

// Empty when the file starts with "BM" and its 54 header bytes were read; else why not.
std::string ReadHeader(std::FILE* file, BitmapHeader& header) {
  unsigned char bytes[kHeaderBytes] = {};
  const std::size_t got = std::fread(bytes, 1, kHeaderBytes, file);
  header.signature = got >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
  if (!header.signature) return "it does not start with BM";
  if (got < kHeaderBytes) return "it is shorter than a BMP header";
  header.dataOffset = Unsigned32(bytes + 10);
  header.infoSize = Unsigned32(bytes + 14);
  header.width = Signed32(bytes + 18);
  header.height = Signed32(bytes + 22);
  header.bitCount = bytes[28] | bytes[29] << 8;
  header.compression = Unsigned32(bytes + 30);
  return "";
}

std::size_t RowBytes(int width, int depth) {
  const std::size_t bits = static_cast<std::size_t>(width) * depth;
  return (bits + 31) / 32 * 4;
}

std::string SizeProblem(const BitmapHeader& header) {
  const std::int64_t rows = header.height < 0 ? -header.height : header.height;
  const std::string size = std::to_string(header.width) + " x " + std::to_string(header.height);
  if (header.width <= 0 || header.width > kMaxBitmapSide || rows <= 0 || rows > kMaxBitmapSide)
    return "its size " + size + " is not between 1 and " + std::to_string(kMaxBitmapSide);
  if (header.width * rows > kMaxBitmapArea)
    return "its size " + size + " has more than " + std::to_string(kMaxBitmapArea) + " pixels";
  return "";
}

// Empty when a file with this header can be read at the depth; else why not. The palette
// follows the info header, which may be longer than the classic 40 bytes.
std::string CheckHeader(const BitmapHeader& header, int depth, BitmapLayout& layout) {
  if (header.infoSize < kSmallestInfoHeader) return "its info header is of an unknown kind";
  if (header.bitCount != depth)
    return "it has " + std::to_string(header.bitCount) + " bits per pixel, not " +
           std::to_string(depth);
  if (header.compression != 0) return "it is compressed";
  const std::string sizeProblem = SizeProblem(header);
  if (!sizeProblem.empty()) return sizeProblem;
  layout.width = static_cast<int>(header.width);
  layout.topDown = header.height < 0;
  layout.height = static_cast<int>(layout.topDown ? -header.height : header.height);
  layout.rowBytes = RowBytes(layout.width, depth);
  layout.paletteStart = kFileHeaderBytes + header.infoSize;
  layout.dataOffset = header.dataOffset;
  if (layout.dataOffset < layout.paletteStart) return "its pixel data start inside its header";
  if (depth == 24) return "";
  const std::int64_t entries = (layout.dataOffset - layout.paletteStart) / kPaletteEntryBytes;
  if (entries > kMaxPaletteEntries)
    return "its palette has " + std::to_string(entries) + " entries, more than 256";
  layout.paletteEntries = static_cast<int>(entries);
  return "";
}

std::int64_t FileBytes(std::FILE* file) {
  struct stat info {};
  return fstat(fileno(file), &info) == 0 ? static_cast<std::int64_t>(info.st_size) : 0;
}

bool ReadAt(std::FILE* file, std::int64_t offset, unsigned char* target, std::size_t count) {
  if (count == 0) return true;
  if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return false;
  return std::fread(target, 1, count, file) == count;
}

// The palette as red, green, blue: the file keeps blue, green, red and a reserved byte.
bool ReadPalette(std::FILE* file, const BitmapLayout& layout, std::vector<unsigned char>& rgb) {
  std::vector<unsigned char> stored(static_cast<std::size_t>(layout.paletteEntries) *
                                    kPaletteEntryBytes);
  if (!ReadAt(file, layout.paletteStart, stored.data(), stored.size())) return false;
  rgb.resize(static_cast<std::size_t>(layout.paletteEntries) * 3);
  for (int entry = 0; entry < layout.paletteEntries; ++entry) {
    rgb[entry * 3] = stored[entry * kPaletteEntryBytes + 2];
    rgb[entry * 3 + 1] = stored[entry * kPaletteEntryBytes + 1];
    rgb[entry * 3 + 2] = stored[entry * kPaletteEntryBytes];
  }
  return true;
}

// The stored row that shows as the given row from the top.
const unsigned char* RowFromTop(const StoredBitmap& bitmap, int row) {
  const BitmapLayout& layout = bitmap.layout;
  const int stored = layout.topDown ? row : layout.height - 1 - row;
  return bitmap.rows.data() + static_cast<std::size_t>(stored) * layout.rowBytes;
}

int PaletteIndex(const unsigned char* row, int column, int depth) {
  if (depth == 8) return row[column];
  const unsigned char byte = row[column / 2];
  return column % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// The highest palette entry that a pixel uses; padding bits and bytes do not count.
int HighestIndex(const StoredBitmap& bitmap, int depth) {
  int highest = 0;
  for (int row = 0; row < bitmap.layout.height; ++row) {
    const unsigned char* stored = RowFromTop(bitmap, row);
    for (int column = 0; column < bitmap.layout.width; ++column)
      highest = std::max(highest, PaletteIndex(stored, column, depth));
  }
  return highest;
}

// Empty on success; else why the file cannot be used. Checks the size before allocating, so
// a short file that promises a huge picture costs nothing.
std::string ReadStored(std::FILE* file, int depth, StoredBitmap& bitmap) {
  BitmapHeader header;
  std::string problem = ReadHeader(file, header);
  if (problem.empty()) problem = CheckHeader(header, depth, bitmap.layout);
  if (!problem.empty()) return problem;
  const BitmapLayout& layout = bitmap.layout;
  const std::size_t pixelBytes = layout.rowBytes * static_cast<std::size_t>(layout.height);
  if (FileBytes(file) < layout.dataOffset + static_cast<std::int64_t>(pixelBytes))
    return "it is shorter than its header says";
  bitmap.rows.resize(pixelBytes);
  if (!ReadPalette(file, layout, bitmap.palette) ||
      !ReadAt(file, layout.dataOffset, bitmap.rows.data(), pixelBytes))
    return "it could not be read to its end";
  if (depth == 24) return "";
  const int highest = HighestIndex(bitmap, depth);
  if (highest >= layout.paletteEntries)
    return "its palette has " + std::to_string(layout.paletteEntries) +
           " entries, but a pixel uses entry " + std::to_string(highest);
  return "";
}

void ConvertRow(const StoredBitmap& bitmap, const unsigned char* stored, int depth,
                unsigned char* out) {
  const int width = bitmap.layout.width;
  if (depth == 24) {
    for (int column = 0; column < width; ++column, out += 3, stored += 3) {
      out[0] = stored[2];
      out[1] = stored[1];
      out[2] = stored[0];
    }
    return;
  }
  // Three plain stores, the depth decided once a row: a copy call per pixel was most of a
  // small picture's reading.
  const unsigned char* palette = bitmap.palette.data();
  const auto put = [&out, palette](int index) {
    const unsigned char* rgb = palette + index * 3;
    out[0] = rgb[0];
    out[1] = rgb[1];
    out[2] = rgb[2];
    out += 3;
  };
  if (depth == 8) {
    for (int column = 0; column < width; ++column) put(stored[column]);
    return;
  }
  for (int column = 0; column + 1 < width; column += 2) {
    put(stored[column / 2] >> 4);
    put(stored[column / 2] & 0x0F);
  }
  if (width % 2 != 0) put(stored[width / 2] >> 4);
}

RgbPicture ToTriples(const StoredBitmap& bitmap, int depth) {
  const BitmapLayout& layout = bitmap.layout;
  RgbPicture picture;
  picture.width = layout.width;
  picture.height = layout.height;
  const std::size_t rowTriples = static_cast<std::size_t>(layout.width) * 3;
  picture.pixels.reset(new unsigned char[rowTriples * layout.height]);
  for (int row = 0; row < layout.height; ++row)
    ConvertRow(bitmap, RowFromTop(bitmap, row), depth, picture.pixels.get() + row * rowTriples);
  return picture;
}

// The palette image format of the compiled-in pictures: always 16 palette entries (a shorter
// palette filled with black, a longer one cut, as 4 bits reach no further), rows bottom
// first without their padding.
std::vector<unsigned char> ToPaletteImage(const StoredBitmap& bitmap) {
  const BitmapLayout& layout = bitmap.layout;
  std::vector<unsigned char> image(PaletteImageSize(layout.width, layout.height), 0);
  const std::size_t paletteBytes = std::min(bitmap.palette.size(), kPaletteBytes);
  std::copy(bitmap.palette.begin(), bitmap.palette.begin() + paletteBytes, image.begin());
  const std::size_t stride = PaletteRowBytes(layout.width);
  for (int fromBottom = 0; fromBottom < layout.height; ++fromBottom) {
    const unsigned char* stored = RowFromTop(bitmap, layout.height - 1 - fromBottom);
    std::copy(stored, stored + stride, image.begin() + kPaletteBytes + fromBottom * stride);
  }
  return image;
}

RgbPicture ReadBitmapAt(const std::string& path, int depth) {
  FileProblem refusal = FileProblem::None;
  const FileStream file = OpenForReading(path, kMaxBitmapFileBytes, refusal);
  StoredBitmap bitmap;
  const std::string problem =
      file ? ReadStored(file.get(), depth, bitmap) : DescribeProblem(refusal);
  if (!problem.empty()) {
    Log("BMP " + path + " not read: " + problem);
    return {};
  }
  if (depth == 4) {
    const std::vector<unsigned char> image = ToPaletteImage(bitmap);
    WriteBitmapExport(path, bitmap.layout.width, bitmap.layout.height, image.data());
  }
  return ToTriples(bitmap, depth);
}

}  // namespace

bool ReadBitmapHeader(const std::string& path, int& width, int& height, int& dataOffset) {
  width = height = dataOffset = 0;
  FileProblem refusal = FileProblem::None;
  const FileStream file = OpenForReading(path, kMaxBitmapFileBytes, refusal);
  BitmapHeader header;
  if (!file || !ReadHeader(file.get(), header).empty()) return false;
  const std::int64_t rows = header.height < 0 ? -header.height : header.height;
  width = static_cast<int>(header.width);
  height = static_cast<int>(std::min<std::int64_t>(rows, INT_MAX));
  dataOffset = static_cast<int>(std::min<std::int64_t>(header.dataOffset, INT_MAX));
  return true;
}

RgbPicture ReadBitmap24(const std::string& path) {
  return ReadBitmapAt(path, 24);
}

RgbPicture ReadBitmap8(const std::string& path) {
  return ReadBitmapAt(path, 8);
}

RgbPicture ReadBitmap4(const std::string& path) {
  return ReadBitmapAt(path, 4);
}

RgbPicture ReadBitmap(const std::string& path, int depth) {
  if (depth == 4 || depth == 8 || depth == 24) return ReadBitmapAt(path, depth);
  Log("BMP " + path + " not read: " + std::to_string(depth) + " bits per pixel are not read");
  return {};
}

}  // namespace tessarin
