// Decoding the compiled-in 16-colour palette pictures into RGB triples.
#include <gtest/gtest.h>

#include <vector>

#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

namespace {

// A palette whose entry i is (i, 16 + i, 32 + i), followed by the given pixel bytes.
std::vector<unsigned char> PaletteImage(std::vector<unsigned char> pixels) {
  std::vector<unsigned char> data;
  for (int entry = 0; entry < 16; ++entry) {
    data.push_back(static_cast<unsigned char>(entry));
    data.push_back(static_cast<unsigned char>(16 + entry));
    data.push_back(static_cast<unsigned char>(32 + entry));
  }
  data.insert(data.end(), pixels.begin(), pixels.end());
  return data;
}

std::vector<int> Entries(const unsigned char* rgb, int pixels) {
  std::vector<int> entries;
  for (int i = 0; i < pixels; ++i) {
    EXPECT_EQ(rgb[i * 3 + 1], rgb[i * 3] + 16);
    EXPECT_EQ(rgb[i * 3 + 2], rgb[i * 3] + 32);
    entries.push_back(rgb[i * 3]);
  }
  return entries;
}

TEST(PaletteImageTest, SizeIsPalettePlusHalfBytesPerRow) {
  EXPECT_EQ(PaletteImageSize(328, 100), 16448u);
  EXPECT_EQ(PaletteImageSize(164, 50), 4148u);
  EXPECT_EQ(PaletteImageSize(3, 1), 50u);
}

TEST(PaletteImageTest, OddWidthSkipsTheLastLowNibble) {
  auto data = PaletteImage({0x12, 0x30});
  auto rgb = DecodePaletteImage(3, 1, data.data());
  ASSERT_NE(rgb, nullptr);
  EXPECT_EQ(Entries(rgb.get(), 3), (std::vector<int>{1, 2, 3}));
}

TEST(PaletteImageTest, RowsAreStoredBottomFirst) {
  auto data = PaletteImage({0x11, 0x22});
  auto rgb = DecodePaletteImage(2, 2, data.data());
  ASSERT_NE(rgb, nullptr);
  EXPECT_EQ(Entries(rgb.get(), 4), (std::vector<int>{2, 2, 1, 1}));
}

TEST(PaletteImageTest, OddWidthRowsStartOnTheirOwnByte) {
  // 3 x 2: each row takes two bytes; bottom row 4 5 6, top row 7 8 9.
  auto data = PaletteImage({0x45, 0x6F, 0x78, 0x9F});
  auto rgb = DecodePaletteImage(3, 2, data.data());
  EXPECT_EQ(Entries(rgb.get(), 6), (std::vector<int>{7, 8, 9, 4, 5, 6}));
}

TEST(PaletteImageTest, BadArgumentsGiveNothing) {
  auto data = PaletteImage({0x11});
  EXPECT_EQ(DecodePaletteImage(2, 1, nullptr), nullptr);
  EXPECT_EQ(DecodePaletteImage(0, 1, data.data()), nullptr);
  EXPECT_EQ(DecodePaletteImage(2, -1, data.data()), nullptr);
}

}  // namespace
