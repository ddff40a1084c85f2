// The one graphics context every Painter on a display draws with. A context of its own for
// each paint cost every widget two requests more (made, then freed), a hundred in a window of
// widgets. The context suits every drawable of the screen's default depth, which all the
// toolkit's windows and pixmaps have; each Painter sets the state it relies on when it starts,
// and Xlib sends only what changed. It lives as long as the display: Xlib's close hook frees it.
#pragma once

#include <X11/Xlib.h>

namespace tessarin {

// The display's shared context, made on first use; null when the server refuses one.
GC SharedGC(Display* display);

}  // namespace tessarin
