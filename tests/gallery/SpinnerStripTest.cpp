// The pictures of the gallery's image frames: the strip's size, a black ground for the
// transparent frame, a running dot that moves on by one place per frame and comes round, and
// palette frames that decode to the strip's frames.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "gallery/SpinnerStrip.h"
#include "tessarin/graphics/PaletteImage.h"
#include "tessarin/graphics/XImageFactory.h"

using namespace tessarin;

namespace {

constexpr int kSize = 48;
constexpr int kFrames = 8;

struct Strip {
  SpinnerPictures pictures = MakeSpinnerPictures(kSize, kFrames);
  const std::vector<unsigned char>& rgb = pictures.strip;

  unsigned long At(int frame, int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * kSize * kFrames + frame * kSize + x) * 3;
    return static_cast<unsigned long>(rgb[at]) << 16 | rgb[at + 1] << 8 | rgb[at + 2];
  }
  std::vector<unsigned long> Frame(int frame) const {
    std::vector<unsigned long> pixels;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) pixels.push_back(At(frame, x, y));
    }
    return pixels;
  }
};

TEST(SpinnerStrip, FramesLieSideBySideOnBlackAndEachShowsTheRing) {
  const Strip strip;
  ASSERT_EQ(strip.rgb.size(), static_cast<std::size_t>(kSize * kFrames * kSize * 3));
  for (int frame = 0; frame < kFrames; ++frame) {
    EXPECT_EQ(strip.At(frame, 0, 0), 0u) << frame;
    EXPECT_EQ(strip.At(frame, kSize / 2, kSize / 2), 0u) << "the ring's middle, frame " << frame;
    const std::vector<unsigned long> pixels = strip.Frame(frame);
    const std::set<unsigned long> colours(pixels.begin(), pixels.end());
    // The ground, the dim dots and the running dot with its three-step trail.
    EXPECT_EQ(colours.size(), 6u) << frame;
  }
  EXPECT_TRUE(MakeSpinnerPictures(0, kFrames).strip.empty());
  EXPECT_TRUE(MakeSpinnerPictures(kSize, 0).frames.empty());
}

TEST(SpinnerStrip, TheRunningDotMovesOnEachFrameAndComesRound) {
  const Strip strip;
  const unsigned long running = strip.At(0, kSize / 2, 8);  // the top dot leads frame 0
  EXPECT_NE(running, 0u);
  for (int frame = 0; frame < kFrames; ++frame) {
    EXPECT_NE(strip.Frame(frame), strip.Frame((frame + 1) % kFrames)) << frame;
    int lit = 0;
    for (unsigned long pixel : strip.Frame(frame)) lit += pixel == running ? 1 : 0;
    EXPECT_GT(lit, 0) << "frame " << frame << " has its running dot";
  }
  EXPECT_NE(strip.At(1, kSize / 2, 8), running) << "the dot has moved on from the top";
}

TEST(SpinnerStrip, EachPaletteFrameDecodesToTheSameFrameOfTheStrip) {
  const Strip strip;
  const auto& frames = strip.pictures.frames;
  ASSERT_EQ(frames.size(), static_cast<std::size_t>(kFrames));
  for (int frame = 0; frame < kFrames; ++frame) {
    ASSERT_EQ(frames[frame].size(), PaletteImageSize(kSize, kSize));
    const auto rgb = DecodePaletteImage(kSize, kSize, frames[frame].data());
    ASSERT_NE(rgb, nullptr);
    std::vector<unsigned long> decoded;
    for (int i = 0; i < kSize * kSize; ++i) {
      decoded.push_back(static_cast<unsigned long>(rgb[3 * i]) << 16 | rgb[3 * i + 1] << 8 |
                        rgb[3 * i + 2]);
    }
    EXPECT_EQ(decoded, strip.Frame(frame)) << frame;
  }
}

}  // namespace
