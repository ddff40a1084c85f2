// The picture strip the gallery's image frames animate: a ring of dots on black in which a
// bright dot runs round, its trail fading behind it, one step per frame. Drawn here as RGB
// triples, free of X; the frames lie side by side, so frame k is the square at (k x size, 0).
// The caller owns the pixels and keeps them while a frame built from them exists.
#pragma once

#include <vector>

constexpr int kSpinnerDots = 8;

// frameCount squares of size x size pixels in a row: size x frameCount wide, size high, three
// bytes (red, green, blue) per pixel. Black only where no dot is, so a transparent frame shows
// its background there.
std::vector<unsigned char> MakeSpinnerStrip(int size, int frameCount);
