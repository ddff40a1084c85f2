// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "support/XServerFixture.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "tessarin/app/EventLoop.h"
#include "tessarin/app/LoopWakeUp.h"
#include "tessarin/framework/Form.h"

using namespace tessarin;

namespace {
using Clock = std::chrono::steady_clock;
}

void XServerFixture::SetUp() {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr)
      << "X tests need the private server: run them through tools/run-with-xvfb.sh";
  Application::ResetProcessState();
  app = std::make_unique<Application>("tessarin-test");
  ASSERT_NE(app->GetDisplay(), nullptr) << "cannot open the test X server";
}

void XServerFixture::TearDown() {
  ReleaseHeldButtons();
  Application::DeletePending();
  if (Form* box = Application::CurrentMessageBox()) {
    Application::SetCurrentMessageBox(nullptr);
    delete box;
  }
  app.reset();
  Application::ResetProcessState();
}

void XServerFixture::ReleaseHeldButtons() {
  // The server outlives each test process: a button left down would change the next test.
  Display* d = display();
  Window root, child;
  int rootX, rootY, winX, winY;
  unsigned int mask = 0;
  XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &winX, &winY, &mask);
  const unsigned int buttonMasks[] = {Button1Mask, Button2Mask, Button3Mask, Button4Mask,
                                      Button5Mask};
  for (unsigned int button = 1; button <= 5; ++button) {
    if (mask & buttonMasks[button - 1]) XTestFakeButtonEvent(d, button, False, CurrentTime);
  }
  XSync(d, False);
}

void XServerFixture::Pump(Form* mainForm, int quietMs) {
  Display* d = display();
  XSync(d, False);
  auto quietSince = Clock::now();
  while (Clock::now() - quietSince < std::chrono::milliseconds(quietMs)) {
    if (XPending(d) == 0) {
      // The loop's wake-ups too: a search's answer comes that way, not from the server.
      pollfd fds[] = {{ConnectionNumber(d), POLLIN, 0}, {LoopWakeUp::LoopDescriptor(), POLLIN, 0}};
      if (poll(fds, 2, 5) > 0 && (fds[1].revents & POLLIN) != 0) {
        LoopWakeUp::DeliverTriggered();
        Application::DeletePending();
        quietSince = Clock::now();
      }
      continue;
    }
    XEvent event;
    XNextEvent(d, &event);
    DispatchEvent(mainForm, event);
    Application::DeletePending();
    XSync(d, False);
    quietSince = Clock::now();
  }
}

bool XServerFixture::PumpUntil(Form* mainForm, const std::function<bool()>& done) {
  auto deadline = Clock::now() + std::chrono::seconds(2);
  while (!done() && Clock::now() < deadline) Pump(mainForm, 10);
  return done();
}

void XServerFixture::WaitUntilMapped(Form* form) {
  Display* d = display();
  auto deadline = Clock::now() + std::chrono::seconds(3);
  while (Clock::now() < deadline) {
    XWindowAttributes attributes{};
    if (form->GetWindow() != 0 && XGetWindowAttributes(d, form->GetWindow(), &attributes) &&
        attributes.map_state == IsViewable) {
      break;
    }
    Pump(form, 5);
  }
  Pump(form);
}

Color XServerFixture::PixelAtWindow(Window window, int x, int y) {
  XImage* image = XGetImage(display(), window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return kNoColor;
  Color pixel = static_cast<Color>(XGetPixel(image, 0, 0) & 0xFFFFFF);
  XDestroyImage(image);
  return pixel;
}

Color XServerFixture::PixelAt(Form* form, int x, int y) {
  XSync(display(), False);
  return PixelAtWindow(form->GetWindow(), x, y);
}

void XServerFixture::MoveTo(Form* form, int x, int y) {
  Display* d = display();
  Window root = DefaultRootWindow(d);
  int rootX = 0, rootY = 0;
  Window child;
  XTranslateCoordinates(d, form->GetWindow(), root, x, y, &rootX, &rootY, &child);
  XTestFakeMotionEvent(d, DefaultScreen(d), rootX, rootY, CurrentTime);
  XSync(d, False);
}

void XServerFixture::Press(Form* form, int x, int y, unsigned button) {
  MoveTo(form, x, y);
  XTestFakeButtonEvent(display(), button, True, CurrentTime);
  XSync(display(), False);
}

void XServerFixture::Release(Form* form, int x, int y, unsigned button) {
  MoveTo(form, x, y);
  XTestFakeButtonEvent(display(), button, False, CurrentTime);
  XSync(display(), False);
}

void XServerFixture::Click(Form* form, int x, int y, unsigned button) {
  Press(form, x, y, button);
  Release(form, x, y, button);
}

void XServerFixture::KeyDown(unsigned long keysym) {
  KeyCode code = XKeysymToKeycode(display(), keysym);
  XTestFakeKeyEvent(display(), code, True, CurrentTime);
  XSync(display(), False);
}

void XServerFixture::KeyUp(unsigned long keysym) {
  KeyCode code = XKeysymToKeycode(display(), keysym);
  XTestFakeKeyEvent(display(), code, False, CurrentTime);
  XSync(display(), False);
}

void XServerFixture::TypeKey(unsigned long keysym) {
  KeyDown(keysym);
  KeyUp(keysym);
}

void XServerFixture::SendCloseRequest(Form* form) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = form->GetWindow();
  event.xclient.message_type = XInternAtom(display(), "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display(), "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display(), form->GetWindow(), False, NoEventMask, &event);
  XSync(display(), False);
}

void XServerFixture::SendUserMessage(Form* form) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = form->GetWindow();
  event.xclient.message_type = None;
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;
  XSendEvent(display(), form->GetWindow(), False, NoEventMask, &event);
  XSync(display(), False);
}
