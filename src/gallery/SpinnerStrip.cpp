#include "gallery/SpinnerStrip.h"

#include <cmath>
#include <cstddef>

namespace {

struct Rgb {
  unsigned char red, green, blue;
};

// The running dot, then its fading trail; every other dot of the ring is the dim colour.
constexpr Rgb kTrail[] = {{255, 176, 0}, {230, 120, 0}, {190, 70, 20}, {140, 45, 45}};
constexpr Rgb kDimDot = {70, 95, 135};
constexpr int kTrailLength = sizeof kTrail / sizeof kTrail[0];
constexpr double kPi = 3.14159265358979323846;
constexpr double kRingShare = 0.34;  // ring radius against the frame size
constexpr double kDotShare = 0.1;    // dot radius against the frame size

Rgb DotColour(int dot, int frame) {
  // How many steps the dot lies behind the running one.
  const int behind = ((frame - dot) % kSpinnerDots + kSpinnerDots) % kSpinnerDots;
  return behind < kTrailLength ? kTrail[behind] : kDimDot;
}

void PaintDot(std::vector<unsigned char>& strip, int stripWidth, int size, int frame, int dot) {
  const double angle = 2 * kPi * dot / kSpinnerDots;
  const double centreX = frame * size + size / 2.0 + kRingShare * size * std::sin(angle);
  const double centreY = size / 2.0 - kRingShare * size * std::cos(angle);
  const double radius = kDotShare * size;
  const Rgb colour = DotColour(dot, frame);
  for (int y = 0; y < size; ++y) {
    for (int x = frame * size; x < (frame + 1) * size; ++x) {
      const double dx = x + 0.5 - centreX;
      const double dy = y + 0.5 - centreY;
      if (dx * dx + dy * dy > radius * radius) continue;
      const std::size_t at = (static_cast<std::size_t>(y) * stripWidth + x) * 3;
      strip[at] = colour.red;
      strip[at + 1] = colour.green;
      strip[at + 2] = colour.blue;
    }
  }
}

}  // namespace

std::vector<unsigned char> MakeSpinnerStrip(int size, int frameCount) {
  if (size <= 0 || frameCount <= 0) return {};
  const int stripWidth = size * frameCount;
  std::vector<unsigned char> strip(static_cast<std::size_t>(stripWidth) * size * 3, 0);
  for (int frame = 0; frame < frameCount; ++frame) {
    for (int dot = 0; dot < kSpinnerDots; ++dot) PaintDot(strip, stripWidth, size, frame, dot);
  }
  return strip;
}
