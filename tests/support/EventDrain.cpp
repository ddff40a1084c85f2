#include "support/EventDrain.h"

#include "tessarin/app/EventLoop.h"

using namespace tessarin;

void DrainEvents(Display* display, Form* form, int quietMs) {
  for (;;) {
    XSync(display, False);
    if (XPending(display) == 0) {
      if (!WaitForConnection(display, quietMs)) return;
      if (XPending(display) == 0) continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    DispatchEvent(form, event);
  }
}
