#include "gallery/SpinnerStrip.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "graphics/PaletteImage.h"

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

unsigned char PixelColour(const std::vector<int>& dots, int pixel, int frame) {
  const int dot = dots[static_cast<std::size_t>(pixel)];
  return dot < 0 ? kGround : DotColour(dot, frame);
}

void PutStripPixel(std::vector<unsigned char>& strip, std::size_t at, unsigned char colour) {
  strip[at] = kColours[colour].red;
  strip[at + 1] = kColours[colour].green;
  strip[at + 2] = kColours[colour].blue;
}

std::vector<unsigned char> PaletteFrame(const std::vector<int>& dots, int size, int frame) {
  std::vector<unsigned char> image(PaletteImageSize(size, size), 0);
  for (int i = 0; i < kColourCount; ++i) {
    image[3 * i] = kColours[i].red;
    image[3 * i + 1] = kColours[i].green;
    image[3 * i + 2] = kColours[i].blue;
  }
  const std::size_t rowBytes = PaletteRowBytes(size);
  for (int y = 0; y < size; ++y) {
    // Stored bottom row first, two pixels a byte, the left one in the high nibble.
    unsigned char* row = image.data() + kPaletteBytes + (size - 1 - y) * rowBytes;
    for (int x = 0; x < size; ++x) {
      const unsigned char colour = PixelColour(dots, y * size + x, frame);
      row[x / 2] |= static_cast<unsigned char>(colour << (x % 2 == 0 ? 4 : 0));
    }
  }
  return image;
}

}  // namespace

SpinnerPictures MakeSpinnerPictures(int size, int frameCount) {
  SpinnerPictures pictures;
  if (size <= 0 || frameCount <= 0) return pictures;
  const std::vector<int> dots = DotMap(size);
  const std::size_t stripWidth = static_cast<std::size_t>(size) * frameCount;
  pictures.strip.assign(stripWidth * size * 3, 0);
  for (int frame = 0; frame < frameCount; ++frame) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const std::size_t at = (y * stripWidth + static_cast<std::size_t>(frame) * size + x) * 3;
        PutStripPixel(pictures.strip, at, PixelColour(dots, y * size + x, frame));
      }
    }
    pictures.frames.push_back(PaletteFrame(dots, size, frame));
  }
  return pictures;
}
