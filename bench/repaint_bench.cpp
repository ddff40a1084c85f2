// The full repaint of the main window, measured inside the process that paints.
//
// Builds the real FormMain on the X server named by DISPLAY, lets the event loop's dispatch
// handle everything up to the first Expose (which converts the pictures and starts the timer,
// as in the game), then repaints the whole window the way an Expose does, N times. For each
// paint it prints one line "repaint <ms> <requests> <writes>": the time until the server has
// carried out every request (an XSync closes the measurement), the number of X requests the
// paint sent (XNextRequest before and after, less the XSync's own), and the number of write()
// calls the process made meanwhile (each one a flush of the request buffer).
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "game/FormMain.h"
#include "support/EventDrain.h"
#include "tessarin/app/Application.h"
#include "tessarin/app/EventLoop.h"

using namespace tessarin;

namespace {

// Write calls made by this process so far (/proc/self/io "syscw").
long WriteCalls() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long value = 0;
  while (io >> key >> value) {
    if (key == "syscw:") return value;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  int paints = argc > 1 ? std::atoi(argv[1]) : 21;
  if (paints < 1) paints = 1;

  Application application("Tessarin repaint benchmark");
  Display* display = application.GetDisplay();
  if (display == nullptr) {
    std::fprintf(stderr, "repaint_bench: no display\n");
    return 1;
  }
  FormMain form(&application, "Tessarin repaint benchmark");

  // Up to and including the first Expose, exactly as the loop would deliver it.
  bool exposed = false;
  while (!exposed) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose) exposed = true;
    DispatchEvent(&form, event);
  }
  DrainEvents(display, &form, 100);

  for (int i = 0; i < paints; ++i) {
    DrainEvents(display, &form, 5);
    long writesBefore = WriteCalls();
    unsigned long requestBefore = XNextRequest(display);
    auto start = std::chrono::steady_clock::now();
    form.Paint();
    unsigned long requestAfter = XNextRequest(display);
    XSync(display, False);
    auto end = std::chrono::steady_clock::now();
    long writesAfter = WriteCalls();
    double ms = std::chrono::duration<double, std::milli>(end - start).count();
    // The XSync's own write is not the paint's.
    std::printf("repaint %.4f %lu %ld\n", ms, requestAfter - requestBefore,
                writesAfter - writesBefore - 1);
  }
  std::fflush(stdout);
  return 0;
}
