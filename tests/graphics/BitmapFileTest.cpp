// The BMP readers and the 4-bit export on files built byte by byte in a scratch working
// directory, which also receives the log.
#include "graphics/BitmapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "graphics/BitmapExport.h"
#include "graphics/PaletteImage.h"
#include "graphics/XImageFactory.h"
#include "support/TempDirectory.h"
#include "util/FileUtils.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Palette entry i shows as red i, green 7i, blue 255 - i.
Bytes Rgb(int entry) {
  return {static_cast<unsigned char>(entry), static_cast<unsigned char>(entry * 7),
          static_cast<unsigned char>(255 - entry)};
}

// A classic BMP: the 54 header bytes, the palette, then the given rows as stored, each padded
// to a multiple of 4 with 0xEE so that reading padding as pixels would show.
Bytes Bmp(int depth, int w, int h, int entries, const std::vector<Bytes>& storedRows) {
  Bytes bytes(54, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, 10, 54 + entries * 4);
  Put32(bytes, 14, 40);
  Put32(bytes, 18, static_cast<std::uint32_t>(w));
  Put32(bytes, 22, static_cast<std::uint32_t>(h));
  bytes[26] = 1;
  bytes[28] = static_cast<unsigned char>(depth);
  for (int entry = 0; entry < entries; ++entry) {
    const Bytes rgb = Rgb(entry);
    bytes.insert(bytes.end(), {rgb[2], rgb[1], rgb[0], 0});
  }
  for (Bytes row : storedRows) {
    while (row.size() % 4 != 0) row.push_back(0xEE);
    bytes.insert(bytes.end(), row.begin(), row.end());
  }
  return bytes;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  WriteFileText(path, std::string(bytes.begin(), bytes.end()));
}

// The byte values of every "0x.." in an export, in order: the array as the compiler sees it.
Bytes ExportedArray(const std::string& source) {
  Bytes bytes;
  for (std::size_t at = source.find("0x", source.find('{')); at != std::string::npos;
       at = source.find("0x", at + 2))
    bytes.push_back(static_cast<unsigned char>(std::stoi(source.substr(at + 2, 2), nullptr, 16)));
  return bytes;
}

Bytes Triples(const RgbPicture& picture) {
  return Bytes(picture.pixels.get(), picture.pixels.get() + picture.width * picture.height * 3);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class BitmapFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(inside.Entered()); }
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

// A 3 x 2 picture whose top row shows palette entries 1 2 3 and bottom row 4 5 6, stored
// bottom-up and top-down in each depth; the 24-bit rows hold the same colours directly. The
// palettes have 7 entries: the unused last nibble of a 4-bit row (F) must not count.
struct GoodFile {
  const char* name;
  int depth;
  int entries;
  Bytes bottomRow;
  Bytes topRow;
};

TEST_F(BitmapFileTest, EveryDepthReadsRowsInEitherOrderWithoutThePadding) {
  auto bgr = [](std::initializer_list<int> entries) {
    Bytes row;
    for (int entry : entries) row.insert(row.end(), {Rgb(entry)[2], Rgb(entry)[1], Rgb(entry)[0]});
    return row;
  };
  const GoodFile files[] = {{"d24.bmp", 24, 0, bgr({4, 5, 6}), bgr({1, 2, 3})},
                            {"d8.bmp", 8, 7, {4, 5, 6}, {1, 2, 3}},
                            {"d4.bmp", 4, 7, {0x45, 0x6F}, {0x12, 0x3F}}};
  const Bytes expected = Concat({Rgb(1), Rgb(2), Rgb(3), Rgb(4), Rgb(5), Rgb(6)});
  for (const GoodFile& file : files) {
    for (bool topDown : {false, true}) {
      const std::vector<Bytes> rows = topDown ? std::vector<Bytes>{file.topRow, file.bottomRow}
                                              : std::vector<Bytes>{file.bottomRow, file.topRow};
      WriteBytes(file.name, Bmp(file.depth, 3, topDown ? -2 : 2, file.entries, rows));
      const RgbPicture picture = ReadBitmap(file.name, file.depth);
      ASSERT_TRUE(picture) << file.name << (topDown ? " top-down" : "");
      EXPECT_EQ(picture.width, 3);
      EXPECT_EQ(picture.height, 2);
      EXPECT_EQ(Triples(picture), expected) << file.name << (topDown ? " top-down" : "");
      if (file.depth == 4) {
        // The export is bottom row first whatever the file's order, and decodes to the same.
        const Bytes array = ExportedArray(FileText("d4.bmp.c"));
        ASSERT_EQ(array.size(), PaletteImageSize(3, 2));
        EXPECT_EQ(Bytes(array.end() - 4, array.end()), (Bytes{0x45, 0x6F, 0x12, 0x3F}));
        EXPECT_EQ(Triples({3, 2, DecodePaletteImage(3, 2, array.data())}), expected);
      }
    }
  }
  EXPECT_FALSE(FileExists("log.txt"));
}

TEST_F(BitmapFileTest, TheExportOfA3x2FileIsTheExactPaletteImageSource) {
  WriteFileText("pic.bmp.c", std::string(5000, 'x'));  // an older export, longer than the new
  WriteBytes("pic.bmp", Bmp(4, 3, 2, 16, {{0x0A, 0xFF}, {0x12, 0x30}}));
  ASSERT_TRUE(ReadBitmap4("pic.bmp"));
  std::string palette;
  for (int entry = 0; entry < 16; ++entry) {
    for (unsigned char byte : Rgb(entry)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X,", byte);
      palette += hex;
    }
  }
  EXPECT_EQ(FileText("pic.bmp.c"), "int wPIC = 3;\nint hPIC = 2;\n\nchar imgPIC[] = {\n" + palette +
                                       "\n0x0A,0xFF,\n0x12,0x30,\n};\n\n");
  EXPECT_EQ(ExportedArray(FileText("pic.bmp.c")).size(), 52u);
}

TEST_F(BitmapFileTest, AShortPaletteIsExportedAsSixteenEntriesFilledWithBlack) {
  WriteBytes("two.bmp", Bmp(4, 2, 1, 2, {{0x10}}));
  const RgbPicture picture = ReadBitmap4("two.bmp");
  ASSERT_TRUE(picture);
  const Bytes array = ExportedArray(FileText("two.bmp.c"));
  ASSERT_EQ(array.size(), PaletteImageSize(2, 1));
  EXPECT_EQ(Bytes(array.begin(), array.begin() + 6), Concat({Rgb(0), Rgb(1)}));
  EXPECT_EQ(Bytes(array.begin() + 6, array.begin() + 48), Bytes(42, 0));
  EXPECT_EQ(Triples({2, 1, DecodePaletteImage(2, 1, array.data())}), Triples(picture));
}

TEST_F(BitmapFileTest, ExportNamesAreValidCIdentifiers) {
  const std::pair<const char*, const char*> names[] = {
      {"Data/logo.bmp", "LOGO"},          {"dir\\pic.bmp", "PIC"}, {"c:Title_2.bmp", "TITLE_2"},
      {"my-pic 2.bmp", "MY_PIC_2"},       {"a.b.bmp", "A_B"},      {"noext", "NOEXT"},
      {"\xC3\xA9t\xC3\xA9.bmp", "__T__"}, {"4bit.bmp", "4BIT"}};
  for (const auto& [path, name] : names) EXPECT_EQ(ExportSymbolName(path), name) << path;
}

TEST_F(BitmapFileTest, TheLargestAllowedSideIsRead) {
  WriteBytes("wide.bmp", Bmp(8, kMaxBitmapSide, 1, 1, {Bytes(kMaxBitmapSide, 0)}));
  const RgbPicture picture = ReadBitmap8("wide.bmp");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture.width, kMaxBitmapSide);
  EXPECT_EQ(picture.pixels[kMaxBitmapSide * 3 - 1], 255);
}

TEST_F(BitmapFileTest, ALongerInfoHeaderMovesThePaletteAlong) {
  Bytes bytes = Bmp(8, 1, 1, 2, {{1}});
  Put32(bytes, 14, 124);
  bytes.insert(bytes.begin() + 54, 124 - 40, 0x55);
  Put32(bytes, 10, 14 + 124 + 2 * 4);
  WriteBytes("v5.bmp", bytes);
  const RgbPicture picture = ReadBitmap8("v5.bmp");
  ASSERT_TRUE(picture);
  EXPECT_EQ(Triples(picture), Rgb(1));
}

TEST_F(BitmapFileTest, TheHeaderGivesTheSizeAndTheDataOffset) {
  WriteBytes("h.bmp", Bmp(8, 5, -3, 2, {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}));
  int w = -1, h = -1, offset = -1;
  EXPECT_TRUE(ReadBitmapHeader("h.bmp", w, h, offset));
  EXPECT_EQ(w, 5);
  EXPECT_EQ(h, 3);
  EXPECT_EQ(offset, 62);
  WriteFileText("no.bmp", "GIF89a");
  EXPECT_FALSE(ReadBitmapHeader("no.bmp", w, h, offset));
  EXPECT_FALSE(ReadBitmapHeader("missing.bmp", w, h, offset));
  EXPECT_EQ(w + h + offset, 0);
  EXPECT_FALSE(FileExists("log.txt"));
}

// Each file is refused with one log line naming it; the 4-bit reader then writes no export.
struct BadFile {
  const char* why;
  int depth;
  std::function<Bytes()> bytes;  // nothing: the file is not made at all
};

Bytes Patched(Bytes bytes, std::size_t offset, std::uint32_t value) {
  Put32(bytes, offset, value);
  return bytes;
}

Bytes Good4() {
  return Bmp(4, 3, 2, 16, {{0x12, 0x30}, {0x45, 0x60}});
}

Bytes Good8() {
  return Bmp(8, 2, 2, 4, {{0, 1}, {2, 3}});
}

TEST_F(BitmapFileTest, MalformedFilesGiveNoPictureAndOneLogLine) {
  const BadFile files[] = {
      {"missing", 4, nullptr},
      {"empty", 8, [] { return Bytes{}; }},
      {"not BM", 8,
       [] {
         Bytes b = Good8();
         b[1] = 'N';
         return b;
       }},
      {"header cut", 8,
       [] {
         Bytes b = Good8();
         b.resize(40);
         return b;
       }},
      {"8 bits asked 4", 4, Good8},
      {"4 bits asked 24", 24, Good4},
      {"4 bits asked 8", 8, Good4},
      {"compressed", 8, [] { return Patched(Good8(), 30, 1); }},
      {"core header", 8, [] { return Patched(Good8(), 14, 12); }},
      {"width 0", 8, [] { return Patched(Good8(), 18, 0); }},
      {"width negative", 8, [] { return Patched(Good8(), 18, static_cast<std::uint32_t>(-2)); }},
      {"height 0", 4, [] { return Patched(Good4(), 22, 0); }},
      {"width 16385", 24,
       [] {
         return Patched(Bmp(24, 1, 1, 0, {{0, 0, 0}}), 18, 16385);
       }},
      {"height -16385", 8, [] { return Patched(Good8(), 22, static_cast<std::uint32_t>(-16385)); }},
      {"height INT_MIN", 8, [] { return Patched(Good8(), 22, 0x80000000u); }},
      {"huge and short", 8, [] { return Patched(Patched(Good8(), 18, 16384), 22, 16384); }},
      {"257 entries", 8, [] { return Bmp(8, 1, 1, 257, {{0}}); }},
      {"entry 3 of 3", 8,
       [] {
         return Bmp(8, 2, 2, 3, {{0, 1}, {2, 3}});
       }},
      {"no palette", 4, [] { return Bmp(4, 1, 1, 0, {{0x00}}); }},
      {"entry 15 of 15", 4, [] { return Bmp(4, 2, 1, 15, {{0x0F}}); }},
      {"data in header", 24,
       [] {
         return Patched(Bmp(24, 1, 1, 0, {{0, 0, 0}}), 10, 20);
       }},
      {"offset past end", 24,
       [] {
         return Patched(Bmp(24, 1, 1, 0, {{0, 0, 0}}), 10, ~0u);
       }},
      {"pixels cut", 8,
       [] {
         Bytes b = Good8();
         b.pop_back();
         return b;
       }},
      {"palette cut", 4,
       [] {
         Bytes b = Good4();
         b.resize(60);
         return b;
       }},
  };
  int made = 0;
  for (const BadFile& file : files) {
    const std::string path = "bad" + std::to_string(made++) + ".bmp";
    if (file.bytes) WriteBytes(path, file.bytes());
    testing::internal::CaptureStdout();
    const RgbPicture picture = ReadBitmap(path, file.depth);
    const std::string echoed = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(picture) << file.why;
    EXPECT_EQ(picture.pixels, nullptr) << file.why;
    const std::string log = FileText("log.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << file.why << ": " << log;
    EXPECT_NE(log.find(path), std::string::npos) << file.why;
    EXPECT_EQ(echoed, log) << file.why;
    EXPECT_FALSE(FileExists(path + ".c")) << file.why;
    RemoveFile("log.txt");
  }
  WriteBytes("good.bmp", Good8());
  EXPECT_FALSE(ReadBitmap("good.bmp", 16));
  const std::string log = FileText("log.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
}

}  // namespace
