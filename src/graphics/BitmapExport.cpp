#include "tessarin/graphics/BitmapExport.h"

#include <algorithm>
#include <cctype>

#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/util/Log.h"
#include "tessarin/util/TextFile.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {
bool IsIdentifierCharacter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

constexpr char kHexDigits[] = "0123456789ABCDEF";
// "0x", two digits and a comma.
constexpr std::size_t kByteTextLength = 5;

// Digit by digit: the export is written at every read of a 4-bit file, and formatting each
// byte on its own (HexByte) took most of the time of a paint that draws such a file.
// The text grows once per row and is written in place: an append per byte cost more than
// the digits themselves.
void AppendBytes(std::string& text, const unsigned char* bytes, std::size_t count) {
  const std::size_t start = text.size();
  text.resize(start + count * kByteTextLength + 1);
  char* item = &text[start];
  for (std::size_t i = 0; i < count; ++i, item += kByteTextLength) {
    item[0] = '0';
    item[1] = 'x';
    item[2] = kHexDigits[bytes[i] >> 4];
    item[3] = kHexDigits[bytes[i] & 0x0F];
    item[4] = ',';
  }
  *item = '\n';
}
}  // namespace

std::string ExportSymbolName(const std::string& path) {
  std::string name = GetFileName(path);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  // The name sits after "w", "h" or "img", so a leading digit is fine; anything else that C
  // does not allow in an identifier (blanks, dashes, bytes above 127) becomes "_".
  for (char& c : name) {
    const unsigned char byte = static_cast<unsigned char>(c);
    c = IsIdentifierCharacter(byte) ? static_cast<char>(std::toupper(byte)) : '_';
  }
  return name;
}

std::string PaletteImageSource(const std::string& name, int w, int h, const unsigned char* image) {
  const std::size_t stride = PaletteRowBytes(w);
  std::string text = "int w" + name + " = " + ToString(w) + ";\n";
  text += "int h" + name + " = " + ToString(h) + ";\n\n";
  text += "char img" + name + "[] = {\n";
  // Every byte, a line end per row and the closing line.
  const std::size_t rows = static_cast<std::size_t>(std::max(h, 0));
  text.reserve(text.size() + PaletteImageSize(w, h) * kByteTextLength + rows + 8);
  AppendBytes(text, image, kPaletteBytes);
  for (int row = 0; row < h; ++row) AppendBytes(text, image + kPaletteBytes + row * stride, stride);
  return text + "};\n";
}

bool WriteBitmapExport(const std::string& bitmapPath, int w, int h, const unsigned char* image) {
  const std::string sourcePath = bitmapPath + ".c";
  const std::string text = PaletteImageSource(ExportSymbolName(bitmapPath), w, h, image);
  // Written beside the export and renamed over it, so that a write cut short (a full disk)
  // leaves the old export rather than a truncated one. Not flushed to the disk: the gallery
  // writes it at every start, and the next read of the picture mends what a crash cut.
  if (TextFile(sourcePath).WriteLines({text}, Durability::Unsynced)) return true;
  Log("BMP export " + sourcePath + " not written");
  return false;
}

}  // namespace tessarin
