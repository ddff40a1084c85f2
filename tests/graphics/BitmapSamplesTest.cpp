// The gallery's sample files under Data/, and the C source that the build exported from the
// 4-bit one with ReadBitmap4 and compiled into this binary. The files are read from copies in
// a scratch folder, so the export written beside them stays out of the source tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

extern "C" {
extern int wGALLERY_4BIT;
extern int hGALLERY_4BIT;
extern char imgGALLERY_4BIT[];
}

namespace {

using Bytes = std::vector<unsigned char>;

// A copy of Data/name in the current folder, under the same name.
std::string Copy(const std::string& name) {
  WriteFileText(name, FileText(std::string(TESSARIN_SOURCE_DIR) + "/Data/" + name));
  return name;
}

Bytes Triples(const unsigned char* rgb, int w, int h) {
  return Bytes(rgb, rgb + static_cast<std::size_t>(w) * h * 3);
}

TEST(BitmapSamples, TheCompiledExportDecodesToThePixelsTheReaderGives) {
  TempDirectory folder;
  WorkingDirectoryScope inside(folder.Path());
  ASSERT_TRUE(inside.Entered());
  const RgbPicture picture = ReadBitmap4(Copy("gallery-4bit.bmp"));
  ASSERT_TRUE(picture);
  ASSERT_EQ(wGALLERY_4BIT, picture.width);
  ASSERT_EQ(hGALLERY_4BIT, picture.height);
  const auto decoded = DecodePaletteImage(wGALLERY_4BIT, hGALLERY_4BIT,
                                          reinterpret_cast<const unsigned char*>(imgGALLERY_4BIT));
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(Triples(decoded.get(), picture.width, picture.height),
            Triples(picture.pixels.get(), picture.width, picture.height));
}

// What the gallery relies on: each file reads at its own depth and has black where a
// transparent draw shows the window; the 4-bit one has exactly 16 palette entries.
TEST(BitmapSamples, EachReadsAtItsDepthAndHasBlackAreas) {
  TempDirectory folder;
  WorkingDirectoryScope inside(folder.Path());
  ASSERT_TRUE(inside.Entered());
  for (const auto& [name, depth] :
       {std::make_pair("gallery-24bit.bmp", 24), std::make_pair("gallery-8bit.bmp", 8),
        std::make_pair("gallery-4bit.bmp", 4)}) {
    const RgbPicture picture = ReadBitmap(Copy(name), depth);
    ASSERT_TRUE(picture) << name;
    const Bytes rgb = Triples(picture.pixels.get(), picture.width, picture.height);
    int black = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 3) black += rgb[i] + rgb[i + 1] + rgb[i + 2] == 0;
    EXPECT_GT(black, picture.width * picture.height / 5) << name;
  }
  int w = 0, h = 0, dataOffset = 0;
  ASSERT_TRUE(ReadBitmapHeader("gallery-4bit.bmp", w, h, dataOffset));
  EXPECT_EQ(dataOffset, 54 + 16 * 4);
}

}  // namespace
