// What the element layer knows of the X connection it draws on: the display, its default
// screen and that screen's size.
//
// The connection itself belongs to the program (app/Application.h), which opens it, fills these
// facts in and closes it; forms only read them. The first host constructed is the default one,
// whose screen size centres a form that has no host of its own.
#pragma once

#include <X11/Xlib.h>

namespace tessarin {

class DisplayHost {
 public:
  DisplayHost(const DisplayHost&) = delete;
  DisplayHost& operator=(const DisplayHost&) = delete;

  Display* GetDisplay() const { return display; }
  int GetScreen() const { return screen; }
  int GetScreenWidth() const { return screenWidth; }
  int GetScreenHeight() const { return screenHeight; }

  static const DisplayHost* Default() { return defaultHost; }

 protected:
  DisplayHost();
  ~DisplayHost();

  int screen = 0;
  Display* display = nullptr;
  int screenWidth = 800;
  int screenHeight = 600;

 private:
  static DisplayHost* defaultHost;
};

}  // namespace tessarin
