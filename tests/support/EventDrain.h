// What an in-process benchmark does between two measurements: hands every queued event to a
// form's dispatch until the queue stays empty for a while. Free of GoogleTest, for bench/.
#pragma once

#include <X11/Xlib.h>

namespace tessarin {
class Form;
}  // namespace tessarin

void DrainEvents(Display* display, tessarin::Form* form, int quietMs);
