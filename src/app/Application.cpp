#include "tessarin/app/Application.h"

#include <err.h>
#include <fcntl.h>

#include "tessarin/util/Log.h"

namespace tessarin {

Application* Application::defaultApplication = nullptr;
bool Application::quitFlag = false;

Application::Application(const char* name) : name(name) {
  if (defaultApplication == nullptr) defaultApplication = this;
  Open();
}

Application::~Application() {
  if (display != nullptr) {
    if (visualList != nullptr) XFree(visualList);
    XCloseDisplay(display);
  }
  if (defaultApplication == this) defaultApplication = nullptr;
}

void Application::Open() {
  display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    openFailed = 1;
    Log("XOpenDisplay(0) failed.");
    return;
  }
  // Programs started through the shell must not inherit the X connection.
  fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

  screen = DefaultScreen(display);
  screenWidth = DisplayWidth(display, screen);
  screenHeight = DisplayHeight(display, screen);
  depth = DefaultDepth(display, screen);
  if (!ShowsTrueColor()) {
    RefuseScreen();
    return;
  }

  if (!ScreenHasVisualOfDepth(ScreenOfDisplay(display, screen), depth)) {
    Log("GetVisualInfo failed.");
  }

  screenHeight = XDisplayHeight(display, screen);
  screenWidth = XDisplayWidth(display, screen);
}

// Every window takes the default visual, and a colour becomes its pixel through that visual's
// masks, at 15, 16, 24 or 32 bits alike. A visual that looks pixels up in a colour table
// (PseudoColor, as 8-bit screens have) would show whatever the table holds instead.
bool Application::ShowsTrueColor() const {
  return DefaultVisual(display, screen)->c_class == TrueColor;
}

// Closed again, the display counts as not opened, and the program ends with that status.
void Application::RefuseScreen() {
  Log("This app requires 24-bit depth.");
  warnx(
      "this app requires 24-bit depth: the default visual of the X server %s (depth %d) is not "
      "TrueColor",
      DisplayString(display), depth);
  XCloseDisplay(display);
  display = nullptr;
}

bool Application::Close() {
  if (display == nullptr) return false;
  if (visualList != nullptr) XFree(visualList);
  visualList = nullptr;
  XCloseDisplay(display);
  display = nullptr;
  return true;
}

// The server's own list of visuals answers whether one of the depth exists, in a few
// steps. XGetVisualInfo looks every matching visual up again by its id in all of them,
// which on a server with hundreds of visuals (GLX configurations) took a quarter of the
// program's start-up, for a list that nothing reads while it starts.
bool Application::ScreenHasVisualOfDepth(const Screen* screenFacts, int wantedDepth) {
  for (int i = 0; i < screenFacts->ndepths; ++i) {
    const Depth& entry = screenFacts->depths[i];
    if (entry.depth == wantedDepth && entry.nvisuals > 0) return true;
  }
  return false;
}

XVisualInfo* Application::GetVisualInfo() const {
  if (visualList == nullptr && display != nullptr) {
    XVisualInfo wanted{};
    wanted.screen = screen;
    wanted.depth = depth;
    int count = 0;
    visualList = XGetVisualInfo(display, VisualScreenMask | VisualDepthMask, &wanted, &count);
  }
  return visualList;
}

Visual* Application::GetVisual() const {
  if (GetVisualInfo() != nullptr) return visualList->visual;
  return display != nullptr ? DefaultVisual(display, screen) : nullptr;
}

int Application::DefaultScreenWidth() {
  return defaultApplication != nullptr ? defaultApplication->screenWidth : 0;
}

int Application::DefaultScreenHeight() {
  return defaultApplication != nullptr ? defaultApplication->screenHeight : 0;
}

void Application::ResetProcessState() {
  ElementRegistry::Reset();
  ResetIdleMilliseconds();
  quitFlag = false;
}

}  // namespace tessarin
