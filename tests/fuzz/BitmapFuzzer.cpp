// The three BMP readers over fuzzed files. Whatever the bytes, a reader gives a picture
// exactly when the file is a usable uncompressed BMP of its depth, and then every pixel is the
// one the file stores; the 4-bit reader's export holds the same picture. The input, taken as
// a path, also feeds the export's symbol naming.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "tessarin/graphics/BitmapExport.h"
#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/util/FileUtils.h"

using namespace tessarin;

namespace {

using fuzz::Require;

constexpr const char* kPicture = "picture.bmp";
constexpr const char* kExport = "picture.bmp.c";
constexpr std::int64_t kFileHeader = 14;

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
  auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(std::uint8_t(bytes[at + i]));
  };
  return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

// Where the picture lies in a file the reader of this depth must accept.
struct Expected {
  int width = 0;
  int height = 0;
  bool topDown = false;
  std::int64_t palette = 0;
  std::int64_t entries = 0;
  std::int64_t data = 0;
  std::int64_t rowBytes = 0;
};

int StoredIndex(const std::string& bytes, const Expected& e, int row, int column, int depth) {
  const int stored = e.topDown ? row : e.height - 1 - row;
  const std::int64_t start = e.data + stored * e.rowBytes;
  const auto at = [&](std::int64_t i) { return std::uint8_t(bytes[start + i]); };
  if (depth == 8) return at(column);
  return column % 2 == 0 ? at(column / 2) >> 4 : at(column / 2) & 0x0F;
}

bool PaletteCovers(const std::string& bytes, const Expected& e, int depth) {
  for (int row = 0; row < e.height; ++row)
    for (int column = 0; column < e.width; ++column)
      if (StoredIndex(bytes, e, row, column, depth) >= e.entries) return false;
  return true;
}

std::optional<Expected> Acceptable(const std::string& bytes, int depth) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return {};
  const std::int64_t infoSize = Le32(bytes, 14);
  const std::int64_t width = std::int32_t(Le32(bytes, 18));
  const std::int64_t height = std::int32_t(Le32(bytes, 22));
  const int bitCount = std::uint8_t(bytes[28]) | std::uint8_t(bytes[29]) << 8;
  if (infoSize < 40 || bitCount != depth || Le32(bytes, 30) != 0) return {};
  if (width < 1 || width > kMaxBitmapSide || height == 0 || std::llabs(height) > kMaxBitmapSide)
    return {};
  Expected e{int(width), int(std::llabs(height)), height < 0};
  e.palette = kFileHeader + infoSize;
  e.data = Le32(bytes, 10);
  e.rowBytes = (width * depth + 31) / 32 * 4;
  e.entries = (e.data - e.palette) / 4;
  if (e.data < e.palette || (depth != 24 && e.entries > 256)) return {};
  if (std::int64_t(bytes.size()) < e.data + e.rowBytes * e.height) return {};
  if (depth != 24 && !PaletteCovers(bytes, e, depth)) return {};
  return e;
}

std::vector<std::uint8_t> ExpectedPixel(const std::string& bytes, const Expected& e, int row,
                                        int column, int depth) {
  const auto at = [&](std::int64_t i) { return std::uint8_t(bytes[i]); };
  if (depth == 24) {
    const int stored = e.topDown ? row : e.height - 1 - row;
    const std::int64_t bgr = e.data + stored * e.rowBytes + column * 3;
    return {at(bgr + 2), at(bgr + 1), at(bgr)};
  }
  const std::int64_t entry = e.palette + 4 * StoredIndex(bytes, e, row, column, depth);
  return {at(entry + 2), at(entry + 1), at(entry)};
}

// The export's bytes, in the order written: the palette, then the rows bottom first.
std::vector<std::uint8_t> ExportedBytes(const std::string& source) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t at = source.find("0x"); at != std::string::npos; at = source.find("0x", at + 2))
    bytes.push_back(std::uint8_t(std::strtoul(source.substr(at + 2, 2).c_str(), nullptr, 16)));
  return bytes;
}

void CheckExport(const RgbPicture& picture) {
  const std::string source = fuzz::ReadBytes(kExport);
  const std::string head = "int wPICTURE = " + std::to_string(picture.width) +
                           ";\nint hPICTURE = " + std::to_string(picture.height) +
                           ";\n\nchar imgPICTURE[] = {\n";
  Require(source.compare(0, head.size(), head) == 0, "the export starts with its size");
  const std::vector<std::uint8_t> image = ExportedBytes(source);
  Require(image.size() == PaletteImageSize(picture.width, picture.height),
          "the export holds a whole palette image");
  const std::size_t stride = PaletteRowBytes(picture.width);
  for (int row = 0; row < picture.height; ++row) {
    const std::uint8_t* stored = &image[kPaletteBytes + (picture.height - 1 - row) * stride];
    for (int column = 0; column < picture.width; ++column) {
      const int index = column % 2 == 0 ? stored[column / 2] >> 4 : stored[column / 2] & 0x0F;
      const unsigned char* pixel = &picture.pixels[(std::size_t(row) * picture.width + column) * 3];
      for (int c = 0; c < 3; ++c)
        Require(image[index * 3 + c] == pixel[c], "the export shows the picture read");
    }
  }
}

void CheckReader(const std::string& bytes, int depth) {
  fuzz::WriteBytes(kPicture, bytes);
  RemoveFile(kExport);
  const RgbPicture picture = ReadBitmap(kPicture, depth);
  const std::optional<Expected> expected = Acceptable(bytes, depth);
  Require(bool(picture) == expected.has_value(), "a picture exactly for a usable file");
  Require(FileExists(kExport) == (picture && depth == 4), "an export exactly for a 4-bit picture");
  if (!picture) return;
  Require(picture.width == expected->width && picture.height == expected->height,
          "the picture has the file's size");
  for (int row = 0; row < picture.height; ++row)
    for (int column = 0; column < picture.width; ++column) {
      const std::vector<std::uint8_t> want = ExpectedPixel(bytes, *expected, row, column, depth);
      const unsigned char* got = &picture.pixels[(std::size_t(row) * picture.width + column) * 3];
      Require(std::equal(want.begin(), want.end(), got), "every pixel is the one stored");
    }
  if (depth == 4) CheckExport(picture);
}

void CheckHeader(const std::string& bytes) {
  int width = -1, height = -1, offset = -1;
  const bool read = ReadBitmapHeader(kPicture, width, height, offset);
  Require(read == (bytes.size() >= 54 && bytes[0] == 'B' && bytes[1] == 'M'),
          "a header exactly for a file of 54 bytes or more starting with BM");
  if (!read) return Require(width == 0 && height == 0 && offset == 0, "no header reads as zero");
  const std::int64_t rows = std::llabs(std::int32_t(Le32(bytes, 22)));
  Require(width == std::int32_t(Le32(bytes, 18)), "the header's width");
  Require(height == std::min<std::int64_t>(rows, INT_MAX), "the header's row count");
  Require(offset == std::min<std::int64_t>(Le32(bytes, 10), INT_MAX), "the header's data offset");
}

void CheckSymbolName(const std::string& path) {
  const std::string name = ExportSymbolName(path);
  for (char c : name)
    Require((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_',
            "a symbol name holds only upper-case letters, digits and _");
  const std::string file = GetFileName(path);
  Require(
      name.size() ==
          file.size() - (file.rfind('.') == std::string::npos ? 0 : file.size() - file.rfind('.')),
      "a symbol name has one character for each of the file name's before its extension");
  Require(ExportSymbolName(name) == name, "a symbol name is its own symbol name");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (int depth : {4, 8, 24}) CheckReader(bytes, depth);
  CheckHeader(bytes);
  CheckSymbolName(bytes);
  return 0;
}
