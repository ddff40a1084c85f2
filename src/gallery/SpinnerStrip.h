// The pictures the gallery's image frames animate: a ring of dots on black in which a bright
// dot runs round, its trail fading behind it, one step per frame. Drawn here, free of X, in
// the two forms an ImageFrame takes: RGB triples of a strip whose frames lie side by side
// (frame k is the square at (k x size, 0)), and one 16-colour palette image per frame. The
// caller owns the data and keeps it while a frame built from it exists.
#pragma once

#include <vector>

constexpr int kSpinnerDots = 8;

struct SpinnerPictures {
  // frameCount squares of size x size pixels in a row: size x frameCount wide, size high,
  // three bytes (red, green, blue) per pixel. Black only where no dot is, so a transparent
  // frame shows its background there.
  std::vector<unsigned char> strip;
  // The same frames as palette images (PaletteImage.h), PaletteImageSize(size, size) bytes each.
  std::vector<std::vector<unsigned char>> frames;
};

// Nothing for a size or count of 0 or less.
SpinnerPictures MakeSpinnerPictures(int size, int frameCount);
