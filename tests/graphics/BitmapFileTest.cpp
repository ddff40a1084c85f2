// The BMP readers and the 4-bit export on files built byte by byte in a scratch working
// directory, which also receives the log.
#include "tessarin/graphics/BitmapFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "tessarin/graphics/BitmapExport.h"
#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/graphics/XImageFactory.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/util/Log.h"

using namespace tessarin;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Patched(Bytes bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
  return bytes;
}

// The triples of the palette entries; entry i shows as red i, green 7i, blue 255 - i.
Bytes Rgb(std::initializer_list<int> entries) {
  Bytes rgb;
  for (int i : entries)
    rgb.insert(rgb.end(),
               {Bytes::value_type(i), Bytes::value_type(i * 7), Bytes::value_type(255 - i)});
  return rgb;
}

// A classic BMP (54 header bytes, the palette, the rows as stored); every row is padded with
// 0xEE, so reading padding as pixels would show.
Bytes Bmp(int depth, int w, int h, int entries, std::vector<Bytes> storedRows) {
  Bytes bytes(54, 0);
  bytes[0] = 'B', bytes[1] = 'M', bytes[26] = 1, bytes[28] = static_cast<unsigned char>(depth);
  const std::uint32_t fields[][2] = {{10, static_cast<std::uint32_t>(54 + entries * 4)},
                                     {14, 40},
                                     {18, static_cast<std::uint32_t>(w)},
                                     {22, static_cast<std::uint32_t>(h)}};
  for (const auto& field : fields) bytes = Patched(bytes, field[0], field[1]);
  for (int entry = 0; entry < entries; ++entry) {
    const Bytes rgb = Rgb({entry});
    bytes.insert(bytes.end(), {rgb[2], rgb[1], rgb[0], 0});
  }
  for (Bytes& row : storedRows) {
    row.resize((row.size() + 3) / 4 * 4, 0xEE);
    bytes.insert(bytes.end(), row.begin(), row.end());
  }
  return bytes;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  WriteFileText(path, std::string(bytes.begin(), bytes.end()));
}

// The byte values of every "0x.." in an export: the array as the compiler sees it.
Bytes ExportedArray(const std::string& source) {
  Bytes bytes;
  for (std::size_t at = source.find("0x", source.find('{')); at != std::string::npos;
       at = source.find("0x", at + 2))
    bytes.push_back(static_cast<unsigned char>(std::stoi(source.substr(at + 2, 2), nullptr, 16)));
  return bytes;
}

Bytes Triples(const unsigned char* rgb, int w, int h) {
  return Bytes(rgb, rgb + w * h * 3);
}

class BitmapFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(inside.Entered());
    StartLog("log.txt");
  }
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

// A 3 x 2 picture, top row entries 1 2 3 and bottom row 4 5 6, stored bottom-up and
// top-down. The palettes have 7 entries: the unused last nibble of a 4-bit row (F) must not
// count, and the export fills the palette up to 16 entries.
TEST_F(BitmapFileTest, EveryDepthReadsRowsInEitherOrderWithoutThePadding) {
  auto bgr = [](Bytes rgb) {
    for (std::size_t i = 0; i < rgb.size(); i += 3) std::swap(rgb[i], rgb[i + 2]);
    return rgb;
  };
  struct Rows {
    int depth;
    Bytes bottom, top;
  };
  const Rows files[] = {{24, bgr(Rgb({4, 5, 6})), bgr(Rgb({1, 2, 3}))},
                        {8, {4, 5, 6}, {1, 2, 3}},
                        {4, {0x45, 0x6F}, {0x12, 0x3F}}};
  for (const Rows& file : files) {
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(std::to_string(file.depth) + (topDown ? " bits top-down" : " bits"));
      WriteBytes("p.bmp", Bmp(file.depth, 3, topDown ? -2 : 2, file.depth == 24 ? 0 : 7,
                              topDown ? std::vector<Bytes>{file.top, file.bottom}
                                      : std::vector<Bytes>{file.bottom, file.top}));
      const RgbPicture picture = ReadBitmap("p.bmp", file.depth);
      ASSERT_TRUE(picture);
      EXPECT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(3, 2));
      EXPECT_EQ(Triples(picture.pixels.get(), 3, 2), Rgb({1, 2, 3, 4, 5, 6}));
      if (file.depth != 4) continue;
      const Bytes array = ExportedArray(FileText("p.bmp.c"));
      ASSERT_EQ(array.size(), PaletteImageSize(3, 2));
      EXPECT_EQ(Bytes(array.begin() + 21, array.begin() + 48), Bytes(27, 0));
      EXPECT_EQ(Bytes(array.end() - 4, array.end()), (Bytes{0x45, 0x6F, 0x12, 0x3F}));
      EXPECT_EQ(Triples(DecodePaletteImage(3, 2, array.data()).get(), 3, 2),
                Rgb({1, 2, 3, 4, 5, 6}));
    }
  }
  EXPECT_EQ(FileText("log.txt"), "");
}

TEST_F(BitmapFileTest, TheExportIsRewrittenWholeAsExactPaletteImageSource) {
  WriteFileText("pic.bmp.c", std::string(5000, 'x'));  // an older, longer export
  WriteBytes("pic.bmp", Bmp(4, 3, 2, 16, {{0x0A, 0xFF}, {0x12, 0x30}}));
  ASSERT_TRUE(ReadBitmap4("pic.bmp"));
  std::string palette;
  char hex[8];
  for (unsigned char byte : Rgb({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})) {
    std::snprintf(hex, sizeof hex, "0x%02X,", byte);
    palette += hex;
  }
  EXPECT_EQ(FileText("pic.bmp.c"), "int wPIC = 3;\nint hPIC = 2;\n\nchar imgPIC[] = {\n" + palette +
                                       "\n0x0A,0xFF,\n0x12,0x30,\n};\n\n");
}

// A file-size limit cuts the export short, as a full disk would, for root too: the export
// that stood there is left whole, nothing is left beside it, and a log line says so. The limit
// holds only in a child, which reads the picture.
TEST_F(BitmapFileTest, AnExportCutShortLeavesTheOldOneAndIsLogged) {
  WriteFileText("big.bmp.c", "an older export\n");
  WriteBytes("big.bmp", Bmp(4, 64, 16, 16, std::vector<Bytes>(16, Bytes(32, 0x12))));
  const std::vector<std::string> entries = FolderEntries(".");
  std::fflush(stdout);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit small{1000, 1000};  // the export takes 2,800 bytes
    signal(SIGXFSZ, SIG_IGN);        // write() then fails with EFBIG
    _exit(setrlimit(RLIMIT_FSIZE, &small) == 0 && ReadBitmap4("big.bmp") ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the picture is still read";
  EXPECT_EQ(FileText("big.bmp.c"), "an older export\n");
  EXPECT_EQ(FolderEntries("."), entries);
  EXPECT_EQ(FileText("log.txt"), "BMP export big.bmp.c not written\n");
}

TEST_F(BitmapFileTest, ExportNamesAreValidCIdentifiers) {
  const std::pair<const char*, const char*> names[] = {
      {"Data/logo.bmp", "LOGO"}, {"dir\\pic.bmp", "PIC"},      {"c:Title_2.bmp", "TITLE_2"},
      {"a.b.bmp", "A_B"},        {"my-pic 2.bmp", "MY_PIC_2"}, {"\xC3\xA9t\xC3\xA9", "__T__"}};
  for (const auto& [path, name] : names) EXPECT_EQ(ExportSymbolName(path), name) << path;
}

TEST_F(BitmapFileTest, TheLargestSideAndALongerInfoHeaderAreRead) {
  WriteBytes("wide.bmp", Bmp(8, kMaxBitmapSide, 1, 2, {Bytes(kMaxBitmapSide, 1)}));
  const RgbPicture wide = ReadBitmap8("wide.bmp");
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide.pixels[kMaxBitmapSide * 3 - 1], 254);  // the blue of entry 1
  // A 124-byte info header: the palette follows it, not byte 54.
  Bytes v5 = Patched(Patched(Bmp(8, 1, 1, 2, {{1}}), 14, 124), 10, 14 + 124 + 2 * 4);
  v5.insert(v5.begin() + 54, 124 - 40, 0x55);
  WriteBytes("v5.bmp", v5);
  const RgbPicture picture = ReadBitmap8("v5.bmp");
  ASSERT_TRUE(picture);
  EXPECT_EQ(Triples(picture.pixels.get(), 1, 1), Rgb({1}));
}

Bytes Cut(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

Bytes Good4() {
  return Bmp(4, 3, 2, 16, {{0x12, 0x30}, {0x45, 0x60}});
}

Bytes Good8() {
  return Bmp(8, 2, 2, 4, {{0, 1}, {2, 3}});
}

Bytes Good24() {
  return Bmp(24, 1, 1, 0, {{0, 0, 0}});
}

// Each file gives no picture and one log line that names it, and no export.
TEST_F(BitmapFileTest, UnusableFilesGiveNoPictureAndOneLogLine) {
  struct Unusable {
    const char* why;
    int depth;
    std::function<Bytes()> bytes;  // none: the file does not exist
  };
  const Unusable files[] = {
      {"missing", 4, nullptr},
      {"empty", 8, [] { return Bytes{}; }},
      {"not BM", 8, [] { return Patched(Good8(), 0, 0x4E42); }},
      {"header cut", 8, [] { return Cut(Good8(), 40); }},
      {"8 bits asked 4", 4, Good8},
      {"4 bits asked 24", 24, Good4},
      {"compressed", 8, [] { return Patched(Good8(), 30, 1); }},
      {"core header", 8, [] { return Patched(Good8(), 14, 12); }},
      {"width 0", 8, [] { return Patched(Good8(), 18, 0); }},
      {"width -2", 8, [] { return Patched(Good8(), 18, static_cast<std::uint32_t>(-2)); }},
      {"height 0", 4, [] { return Patched(Good4(), 22, 0); }},
      {"width 16385", 24, [] { return Patched(Good24(), 18, 16385); }},
      {"height -16385", 8, [] { return Patched(Good8(), 22, static_cast<std::uint32_t>(-16385)); }},
      {"height INT_MIN", 8, [] { return Patched(Good8(), 22, 0x80000000u); }},
      {"huge and short", 8, [] { return Patched(Patched(Good8(), 18, 16384), 22, 16384); }},
      {"area over 4096 x 4096", 8, [] { return Patched(Patched(Good8(), 18, 4097), 22, 4096); }},
      {"257 entries", 8, [] { return Bmp(8, 1, 1, 257, {{0}}); }},
      {"entry 3 of 3", 8,
       [] {
         return Bmp(8, 2, 1, 3, {{0, 3}});
       }},
      {"entry 15 of 15", 4, [] { return Bmp(4, 2, 1, 15, {{0x0F}}); }},
      {"no palette", 4, [] { return Bmp(4, 1, 1, 0, {{0x00}}); }},
      {"data in header", 24, [] { return Patched(Good24(), 10, 20); }},
      {"offset past end", 24, [] { return Patched(Good24(), 10, ~0u); }},
      {"pixels cut", 8, [] { return Cut(Good8(), Good8().size() - 1); }},
      {"palette cut", 4, [] { return Cut(Good4(), 60); }},
  };
  auto expectOneLogLineNaming = [](const std::string& path, const std::string& echoed) {
    const std::string log = FileText("log.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
    EXPECT_NE(log.find(path), std::string::npos) << log;
    EXPECT_EQ(echoed, log);
    StartLog("log.txt");
  };
  for (const Unusable& file : files) {
    SCOPED_TRACE(file.why);
    const std::string path = std::string(file.why) + ".bmp";
    if (file.bytes) WriteBytes(path, file.bytes());
    testing::internal::CaptureStdout();
    EXPECT_FALSE(ReadBitmap(path, file.depth));
    expectOneLogLineNaming(path, testing::internal::GetCapturedStdout());
    EXPECT_FALSE(FileExists(path + ".c"));
  }
  WriteBytes("good.bmp", Good8());
  testing::internal::CaptureStdout();
  EXPECT_FALSE(ReadBitmap("good.bmp", 16));
  expectOneLogLineNaming("good.bmp", testing::internal::GetCapturedStdout());
}

}  // namespace
