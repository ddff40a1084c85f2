// Test support for everything that needs the private X server the test command starts
// (tools/run-with-xvfb.sh): a fixture that opens a fresh Application, ways to pump events
// through the real dispatch, to read pixels back, and to press keys and buttons through XTEST.
#pragma once

// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <functional>
#include <memory>
#include <string>

#include "tessarin/app/Application.h"
#include "tessarin/graphics/Color.h"

namespace tessarin {
class Form;
}  // namespace tessarin

class XServerFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Display* display() const { return app->GetDisplay(); }

  // Waits until the server has mapped and exposed the form's window, dispatching every event
  // on the way through DispatchEvent.
  void WaitUntilMapped(tessarin::Form* form);
  // Dispatches everything the server has sent, to mainForm's loop rules, and delivers the
  // loop's wake-ups, until quiet.
  void Pump(tessarin::Form* mainForm, int quietMs = 30);
  // Pumps until the predicate holds or about two seconds pass; returns the predicate.
  bool PumpUntil(tessarin::Form* mainForm, const std::function<bool()>& done);

  tessarin::Color PixelAt(tessarin::Form* form, int x, int y);
  tessarin::Color PixelAtWindow(Window window, int x, int y);

  // Real input through XTEST, at window-relative points of the form.
  void MoveTo(tessarin::Form* form, int x, int y);
  void Press(tessarin::Form* form, int x, int y, unsigned button = 1);
  void Release(tessarin::Form* form, int x, int y, unsigned button = 1);
  void Click(tessarin::Form* form, int x, int y, unsigned button = 1);
  void KeyDown(unsigned long keysym);
  void KeyUp(unsigned long keysym);
  void TypeKey(unsigned long keysym);
  void ReleaseHeldButtons();

  // What a window manager sends when the user closes the window.
  void SendCloseRequest(tessarin::Form* form);
  void SendUserMessage(tessarin::Form* form);

  std::unique_ptr<tessarin::Application> app;
};
