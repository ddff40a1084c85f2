// Holds back the flush that every Painter makes when it goes, for as long as the batch lives,
// and flushes the display once at its end: a window that repaints dozens of widgets at once
// then sends them in one write instead of one write, and one wake-up of the server, each.
// Batches nest; only the outermost one flushes. A batch lives on the stack of one paint and
// owns nothing.
#pragma once

#include <X11/Xlib.h>

namespace tessarin {

class FlushBatch {
 public:
  explicit FlushBatch(Display* display);
  ~FlushBatch();
  FlushBatch(const FlushBatch&) = delete;
  FlushBatch& operator=(const FlushBatch&) = delete;

  // True while some batch lives: a Painter going then leaves the flush to the batch.
  static bool IsOpen() { return depth > 0; }

 private:
  Display* display;
  static int depth;
};

}  // namespace tessarin
