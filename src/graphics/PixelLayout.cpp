#include "graphics/PixelLayout.h"

namespace {
PixelLayout processLayout;
}

const PixelLayout& CurrentPixelLayout() {
  return processLayout;
}

void SetPixelLayout(const PixelLayout& layout) {
  processLayout = layout;
}

void ResetPixelLayout() {
  processLayout = PixelLayout{};
}
