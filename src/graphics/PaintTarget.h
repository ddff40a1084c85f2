// Where a Painter draws: a display, a drawable on it (a window or a pixmap) and the core font
// its text is drawn and measured in. The target owns none of them; whoever hands one to a
// Painter keeps them alive for the Painter's short life. A form hands over its window.
#pragma once

#include <X11/Xlib.h>

namespace tessarin {

struct PaintTarget {
  Display* display = nullptr;
  Drawable drawable = 0;
  // May be null: the Painter then draws and measures no text.
  XFontStruct* font = nullptr;

  bool IsUsable() const { return display != nullptr && drawable != 0; }
};

}  // namespace tessarin
