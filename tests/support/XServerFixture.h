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

#include "app/Application.h"
#include "graphics/Color.h"

class Form;

class XServerFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  Display* display() const { return app->GetDisplay(); }

  // Waits until the server has mapped and exposed the form's window, dispatching every event
  // on the way through DispatchEvent.
  void WaitUntilMapped(Form* form);
  // Dispatches everything the server has sent, to mainForm's loop rules, and delivers the
  // loop's wake-ups, until quiet.
  void Pump(Form* mainForm, int quietMs = 30);
  // Pumps until the predicate holds or about two seconds pass; returns the predicate.
  bool PumpUntil(Form* mainForm, const std::function<bool()>& done);

  Color PixelAt(Form* form, int x, int y);
  Color PixelAtWindow(Window window, int x, int y);

  // Real input through XTEST, at window-relative points of the form.
  void MoveTo(Form* form, int x, int y);
  void Press(Form* form, int x, int y, unsigned button = 1);
  void Release(Form* form, int x, int y, unsigned button = 1);
  void Click(Form* form, int x, int y, unsigned button = 1);
  void KeyDown(unsigned long keysym);
  void KeyUp(unsigned long keysym);
  void TypeKey(unsigned long keysym);
  void ReleaseHeldButtons();

  // What a window manager sends when the user closes the window.
  void SendCloseRequest(Form* form);
  void SendUserMessage(Form* form);

  std::unique_ptr<Application> app;
};
