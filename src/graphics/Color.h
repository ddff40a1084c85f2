// A colour 0x00RRGGBB: the X pixel value itself on a 24-bit TrueColor visual, and on any other
// TrueColor visual the pixel that ColorMasks.h makes of it.
// kNoColor (-1) means "no colour": drawing calls keep the current foreground, and an element
// without a background is painted on its container's.
#pragma once

#include <cstdint>

namespace tessarin {

using Color = std::int32_t;

constexpr Color kNoColor = -1;
constexpr Color kFallbackGrey = 0xAAAAAA;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kDisabledText = 0x9B9B9B;

// The colour itself, or the neutral grey for "no colour": where every background search ends.
constexpr Color ColorOrGrey(std::int64_t color) {
  return color == kNoColor ? kFallbackGrey : static_cast<Color>(color);
}

}  // namespace tessarin
