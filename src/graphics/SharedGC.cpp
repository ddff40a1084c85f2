#include "tessarin/graphics/SharedGC.h"

#include <algorithm>
#include <vector>

// For XESetCloseDisplay, the hook that tells a library when a display closes. Included last:
// it defines min and max as macros, which are taken back at once.
#include <X11/Xlibint.h>

namespace tessarin {

#undef min
#undef max

namespace {

struct DisplayContext {
  Display* display;
  GC gc;
};

// One entry per open display that has drawn; a closed display's entry goes with it, so a new
// connection that happens to get the same address starts afresh.
std::vector<DisplayContext>& Contexts() {
  static std::vector<DisplayContext> contexts;
  return contexts;
}

int ForgetOnClose(Display* display, XExtCodes*) {
  auto& contexts = Contexts();
  auto found = std::find_if(contexts.begin(), contexts.end(),
                            [display](const DisplayContext& c) { return c.display == display; });
  if (found == contexts.end()) return 0;
  XFreeGC(display, found->gc);
  contexts.erase(found);
  return 0;
}

GC MakeContext(Display* display) {
  XGCValues values{};
  GC gc = XCreateGC(display, RootWindow(display, DefaultScreen(display)), GCCapStyle | GCJoinStyle,
                    &values);
  if (gc == nullptr) return nullptr;
  // An extension record of our own, only to be told when the display closes.
  if (XExtCodes* codes = XAddExtension(display)) {
    XESetCloseDisplay(display, codes->extension, ForgetOnClose);
  }
  return gc;
}

}  // namespace

GC SharedGC(Display* display) {
  auto& contexts = Contexts();
  for (const DisplayContext& context : contexts) {
    if (context.display == display) return context.gc;
  }
  GC gc = MakeContext(display);
  if (gc != nullptr) contexts.push_back({display, gc});
  return gc;
}

}  // namespace tessarin
