#include "tessarin/graphics/PixelLayout.h"

namespace tessarin {

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

}  // namespace tessarin
