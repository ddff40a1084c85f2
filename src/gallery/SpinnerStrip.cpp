#include "gallery/SpinnerStrip.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "tessarin/graphics/PaletteImage.h"

using namespace tessarin;

namespace {

struct Rgb {
  unsigned char red, green, blue;
};

// Palette entries: the ground, the dim dots, then the running dot and its fading trail.
constexpr Rgb kColours[] = {{0, 0, 0},     {70, 95, 135}, {255, 176, 0},
                            {230, 120, 0}, {190, 70, 20}, {140, 45, 45}};
constexpr int kColourCount = sizeof kColours / sizeof kColours[0];
constexpr unsigned char kGround = 0;
constexpr unsigned char kDimDot = 1;
constexpr unsigned char kRunningDot = 2;
constexpr int kTrailLength = kColourCount - kRunningDot;
constexpr double kPi = 3.14159265358979323846;
constexpr double kRingShare = 0.34;  // ring radius against the frame size
constexpr double kDotShare = 0.1;    // dot radius against the frame size

unsigned char DotColour(int dot, int frame) {
  // How many steps the dot lies behind the running one.
  const int behind = ((frame - dot) % kSpinnerDots + kSpinnerDots) % kSpinnerDots;
  return static_cast<unsigned char>(behind < kTrailLength ? kRunningDot + behind : kDimDot);
}

// Which dot, if any, covers each pixel of a frame, top row first; the dots stand in the same
// place in every frame, only their colours move on.
std::vector<int> DotMap(int size) {
  constexpr int kNoDot = -1;
  std::vector<int> map(static_cast<std::size_t>(size) * size, kNoDot);
  const double radius = kDotShare * size;
  for (int dot = 0; dot < kSpinnerDots; ++dot) {
    const double angle = 2 * kPi * dot / kSpinnerDots;
    const double centreX = size / 2.0 + kRingShare * size * std::sin(angle);
    const double centreY = size / 2.0 - kRingShare * size * std::cos(angle);
    // Only the square round the dot can hold it.
    const int top = std::max(0, static_cast<int>(centreY - radius));
    const int bottom = std::min(size - 1, static_cast<int>(centreY + radius) + 1);
    const int left = std::max(0, static_cast<int>(centreX - radius));
    const int right = std::min(size - 1, static_cast<int>(centreX + radius) + 1);
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const double dx = x + 0.5 - centreX;
        const double dy = y + 0.5 - centreY;
        if (dx * dx + dy * dy <= radius * radius) map[y * size + x] = dot;
      }
    }
  }
  return map;
}

// A pixel that a dot covers, at column x of row y.
struct DotPixel {
  int x;
  int y;
  int dot;
};

// The pixels the dots cover, a quarter of a frame: everything else is ground, which both
// forms of a frame hold as zero bytes from the start.
std::vector<DotPixel> DotPixels(const std::vector<int>& map, int size) {
  static_assert(kGround == 0 && kColours[kGround].red == 0 && kColours[kGround].green == 0 &&
                    kColours[kGround].blue == 0,
                "the ground is palette entry 0 and black");
  std::vector<DotPixel> pixels;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int dot = map[static_cast<std::size_t>(y) * size + x];
      if (dot >= 0) pixels.push_back({x, y, dot});
    }
  }
  return pixels;
}

void PutStripFrame(std::vector<unsigned char>& strip, const std::vector<DotPixel>& dots,
                   const unsigned char (&colourOf)[kSpinnerDots], int size, int frame) {
  const std::size_t stripWidth = strip.size() / 3 / size;
  for (const DotPixel& pixel : dots) {
    const Rgb& colour = kColours[colourOf[pixel.dot]];
    unsigned char* at =
        strip.data() +
        (pixel.y * stripWidth + static_cast<std::size_t>(frame) * size + pixel.x) * 3;
    at[0] = colour.red;
    at[1] = colour.green;
    at[2] = colour.blue;
  }
}

std::vector<unsigned char> PaletteFrame(const std::vector<DotPixel>& dots,
                                        const unsigned char (&colourOf)[kSpinnerDots], int size) {
  std::vector<unsigned char> image(PaletteImageSize(size, size), 0);
  for (int i = 0; i < kColourCount; ++i) {
    image[3 * i] = kColours[i].red;
    image[3 * i + 1] = kColours[i].green;
    image[3 * i + 2] = kColours[i].blue;
  }
  const std::size_t rowBytes = PaletteRowBytes(size);
  for (const DotPixel& pixel : dots) {
    // Stored bottom row first, two pixels a byte, the left one in the high nibble.
    unsigned char* row = image.data() + kPaletteBytes + (size - 1 - pixel.y) * rowBytes;
    row[pixel.x / 2] |=
        static_cast<unsigned char>(colourOf[pixel.dot] << (pixel.x % 2 == 0 ? 4 : 0));
  }
  return image;
}

}  // namespace

SpinnerPictures MakeSpinnerPictures(int size, int frameCount) {
  SpinnerPictures pictures;
  if (size <= 0 || frameCount <= 0) return pictures;
  const std::vector<DotPixel> dots = DotPixels(DotMap(size), size);
  pictures.strip.assign(static_cast<std::size_t>(size) * frameCount * size * 3, 0);
  for (int frame = 0; frame < frameCount; ++frame) {
    // Only the colours of the dots change from frame to frame.
    unsigned char colourOf[kSpinnerDots];
    for (int dot = 0; dot < kSpinnerDots; ++dot) colourOf[dot] = DotColour(dot, frame);
    PutStripFrame(pictures.strip, dots, colourOf, size, frame);
    pictures.frames.push_back(PaletteFrame(dots, colourOf, size));
  }
  return pictures;
}
