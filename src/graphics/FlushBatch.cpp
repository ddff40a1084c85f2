#include "tessarin/graphics/FlushBatch.h"

namespace tessarin {

int FlushBatch::depth = 0;

FlushBatch::FlushBatch(Display* batchDisplay) : display(batchDisplay) {
  ++depth;
}

FlushBatch::~FlushBatch() {
  --depth;
  if (depth == 0 && display != nullptr) XFlush(display);
}

}  // namespace tessarin
