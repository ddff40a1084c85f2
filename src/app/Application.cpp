#include "app/Application.h"

#include <fcntl.h>

#include "util/Log.h"

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
  if (depth < 24) Log("This app requires 24-bit depth.");

  XVisualInfo wanted{};
  wanted.screen = screen;
  wanted.depth = depth;
  int count = 0;
  visualList = XGetVisualInfo(display, VisualScreenMask | VisualDepthMask, &wanted, &count);
  if (count == 0 || visualList == nullptr) Log("GetVisualInfo failed.");

  screenHeight = XDisplayHeight(display, screen);
  screenWidth = XDisplayWidth(display, screen);
}

bool Application::Close() {
  if (display == nullptr) return false;
  if (visualList != nullptr) XFree(visualList);
  visualList = nullptr;
  XCloseDisplay(display);
  display = nullptr;
  return true;
}

Visual* Application::GetVisual() const {
  if (visualList != nullptr) return visualList->visual;
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
