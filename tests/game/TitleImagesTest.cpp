// The two title pictures are generated data; these tests read them back with a reader of
// their own and check what a person would notice first: size, colours, the frame, that the
// word sits in the middle, and that the picture is the right way up.
#include "game/images/TitleImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

namespace {

constexpr int kShadow = 0;
constexpr int kGreen = 4;
constexpr int kRed = 6;
constexpr int kGround = 14;
constexpr int kNeverUsed = 15;

constexpr std::array<std::uint32_t, 16> kPalette = {
    0x0B0808, 0x6E1A14, 0x4E4E4E, 0x7A7A7A, 0x078B00, 0xA70B09, 0xFB1F1F, 0xFF5353,
    0x949494, 0xB0B0B0, 0xFFAAAA, 0xCECECE, 0xF7DAD0, 0xFFE9DE, 0xFEFEFE, 0x000000};

struct Title {
  const char* name;
  const unsigned char* data;
  std::size_t bytes;
  int width;
  int height;
  int frame;
};

const Title kTitles[] = {
    {"large", kTitleLarge, sizeof(kTitleLarge), kTitleLargeWidth, kTitleLargeHeight, 2},
    {"small", kTitleSmall, sizeof(kTitleSmall), kTitleSmallWidth, kTitleSmallHeight, 1},
};

// Palette entries, top row first, read straight from the nibbles.
class Entries {
 public:
  explicit Entries(const Title& t) : width_(t.width), height_(t.height) {
    const std::size_t stride = static_cast<std::size_t>((t.width + 1) / 2);
    entries_.resize(static_cast<std::size_t>(t.width * t.height));
    for (int stored = 0; stored < t.height; ++stored) {
      const unsigned char* row = t.data + 48 + static_cast<std::size_t>(stored) * stride;
      const int y = t.height - 1 - stored;
      for (int x = 0; x < t.width; ++x) {
        const unsigned char byte = row[x / 2];
        entries_[static_cast<std::size_t>(y * t.width + x)] = x % 2 == 0 ? byte >> 4 : byte & 15;
      }
    }
  }

  int At(int x, int y) const { return entries_[static_cast<std::size_t>(y * width_ + x)]; }
  int width() const { return width_; }
  int height() const { return height_; }

  int Count(int entry) const {
    int n = 0;
    for (int e : entries_) n += e == entry;
    return n;
  }

 private:
  int width_;
  int height_;
  std::vector<int> entries_;
};

bool IsInk(int entry) {
  return entry != kGround && entry != kGreen;
}

TEST(TitleImagesTest, SizesFollowFromTheDimensions) {
  EXPECT_EQ(kTitleLargeWidth, 328);
  EXPECT_EQ(kTitleLargeHeight, 100);
  EXPECT_EQ(kTitleSmallWidth, 164);
  EXPECT_EQ(kTitleSmallHeight, 50);
  EXPECT_EQ(sizeof(kTitleLarge), 16448u);
  EXPECT_EQ(sizeof(kTitleSmall), 4148u);
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(t.bytes, 48u + static_cast<std::size_t>((t.width + 1) / 2 * t.height));
  }
}

TEST(TitleImagesTest, BothCarryTheFixedPalette) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    for (std::size_t e = 0; e < kPalette.size(); ++e) {
      SCOPED_TRACE(e);
      EXPECT_EQ(t.data[3 * e], (kPalette[e] >> 16) & 0xFF);
      EXPECT_EQ(t.data[3 * e + 1], (kPalette[e] >> 8) & 0xFF);
      EXPECT_EQ(t.data[3 * e + 2], kPalette[e] & 0xFF);
    }
  }
}

TEST(TitleImagesTest, EntryFifteenIsNeverUsed) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(Entries(t).Count(kNeverUsed), 0);
  }
}

TEST(TitleImagesTest, TheFrameIsGreenAllRoundAndNowhereElse) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    const Entries pic(t);
    int greenInFrame = 0;
    int frameSize = 0;
    int greenInside = 0;
    for (int y = 0; y < pic.height(); ++y) {
      for (int x = 0; x < pic.width(); ++x) {
        const bool inFrame =
            x < t.frame || y < t.frame || x >= pic.width() - t.frame || y >= pic.height() - t.frame;
        const bool green = pic.At(x, y) == kGreen;
        frameSize += inFrame;
        greenInFrame += inFrame && green;
        greenInside += !inFrame && green;
      }
    }
    EXPECT_EQ(greenInFrame, frameSize);
    EXPECT_EQ(greenInside, 0);
  }
}

TEST(TitleImagesTest, TheLetteringKeepsClearOfTheFrame) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    const Entries pic(t);
    // A band as wide as the frame just inside it shows the bare ground.
    const int in = t.frame;
    const int out = 2 * t.frame;
    int notGround = 0;
    for (int y = in; y < pic.height() - in; ++y) {
      for (int x = in; x < pic.width() - in; ++x) {
        const bool inBand = x < out || y < out || x >= pic.width() - out || y >= pic.height() - out;
        notGround += inBand && pic.At(x, y) != kGround;
      }
    }
    EXPECT_EQ(notGround, 0);
  }
}

TEST(TitleImagesTest, RedLettersWithADarkShadowOnAGroundThatDominates) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    const Entries pic(t);
    const int inside = (t.width - 2 * t.frame) * (t.height - 2 * t.frame);
    EXPECT_GE(pic.Count(kRed), inside / 10);
    EXPECT_GE(pic.Count(kShadow), inside / 50);
    EXPECT_GE(pic.Count(kGround), inside / 2);
    // Smooth edges: the lettering uses the palette's softer reds and pinks too.
    int shades = 0;
    for (int e : {1, 5, 7, 10, 12, 13}) shades += pic.Count(e);
    EXPECT_GT(shades, 0);
  }
}

TEST(TitleImagesTest, TheWordIsCentred) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    const Entries pic(t);
    int left = pic.width(), right = -1, top = pic.height(), bottom = -1;
    for (int y = 0; y < pic.height(); ++y) {
      for (int x = 0; x < pic.width(); ++x) {
        if (!IsInk(pic.At(x, y))) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    ASSERT_GE(right, 0);
    const int marginLeft = left - t.frame;
    const int marginRight = pic.width() - t.frame - 1 - right;
    const int marginTop = top - t.frame;
    const int marginBottom = pic.height() - t.frame - 1 - bottom;
    EXPECT_LE(std::abs(marginLeft - marginRight), 2);
    EXPECT_LE(std::abs(marginTop - marginBottom), 2);
    // And it fills the picture rather than floating in it.
    EXPECT_GE(right - left + 1, pic.width() * 3 / 4);
    EXPECT_GE(bottom - top + 1, pic.height() / 2);
  }
}

// The shadow falls down and to the right, which also proves the rows are stored bottom first:
// read top first, the picture would show it above the letters.
TEST(TitleImagesTest, TheShadowFallsBelowAndRightOfTheLetters) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    const Entries pic(t);
    long redX = 0, redY = 0, redN = 0, darkX = 0, darkY = 0, darkN = 0;
    int firstInkRow = -1, lastInkRow = -1;
    for (int y = 0; y < pic.height(); ++y) {
      for (int x = 0; x < pic.width(); ++x) {
        const int e = pic.At(x, y);
        if (IsInk(e)) {
          if (firstInkRow < 0) firstInkRow = y;
          lastInkRow = y;
        }
        if (e == kRed) redX += x, redY += y, ++redN;
        if (e == kShadow) darkX += x, darkY += y, ++darkN;
      }
    }
    ASSERT_GT(redN, 0);
    ASSERT_GT(darkN, 0);
    EXPECT_GT(darkX * redN, redX * darkN);
    EXPECT_GT(darkY * redN, redY * darkN);

    // The top edge of the word is lettering, the bottom edge its shadow.
    int shadowOnTop = 0, lettersOnTop = 0, shadowOnBottom = 0;
    for (int x = 0; x < pic.width(); ++x) {
      shadowOnTop += pic.At(x, firstInkRow) == kShadow;
      lettersOnTop += pic.At(x, firstInkRow) == kRed;
      shadowOnBottom += pic.At(x, lastInkRow) == kShadow;
    }
    EXPECT_EQ(shadowOnTop, 0);
    EXPECT_GT(lettersOnTop, 0);
    EXPECT_GT(shadowOnBottom, 0);
  }
}

TEST(TitleImagesTest, TheToolkitDecoderShowsTheSamePicture) {
  for (const Title& t : kTitles) {
    SCOPED_TRACE(t.name);
    const Entries pic(t);
    std::unique_ptr<unsigned char[]> rgb = DecodePaletteImage(t.width, t.height, t.data);
    ASSERT_NE(rgb, nullptr);
    int mismatches = 0;
    for (int y = 0; y < t.height; ++y) {
      for (int x = 0; x < t.width; ++x) {
        const unsigned char* p = &rgb[static_cast<std::size_t>((y * t.width + x) * 3)];
        const std::uint32_t c = kPalette[static_cast<std::size_t>(pic.At(x, y))];
        mismatches += p[0] != ((c >> 16) & 0xFF) || p[1] != ((c >> 8) & 0xFF) || p[2] != (c & 0xFF);
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
}

}  // namespace
