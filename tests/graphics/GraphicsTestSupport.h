// Helpers shared by the drawing tests: a plain form to draw on, a read-back of a whole screen
// area in one request, and a capture of what the code under test logs.
#pragma once

// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDirectory.h"
#include "support/XServerFixture.h"
#include "tessarin/framework/Form.h"
#include "tessarin/graphics/Color.h"

constexpr std::int64_t kCanvasBack = 0x202020;

// A bare form at a given place; tests keep their forms apart so none covers another.
class CanvasForm : public tessarin::Form {
 public:
  CanvasForm(tessarin::Application* app, int px, int py, int w = 160, int h = 100,
             std::int64_t back = kCanvasBack)
      : tessarin::Form(nullptr) {
    SetApplication(app);
    SetPosition(px, py);
    SetSize(w, h);
    SetBackColor(back);
    SetTitle("canvas");
  }
};

// The pixels of an area of a window, fetched at once.
class ScreenArea {
 public:
  ScreenArea(Display* display, Window window, int x, int y, int w, int h)
      : left(x), top(y), width(w), height(h) {
    XSync(display, False);
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(w),
                              static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (image == nullptr) return;
    for (int row = 0; row < h; ++row) {
      for (int column = 0; column < w; ++column) {
        pixels.push_back(static_cast<tessarin::Color>(XGetPixel(image, column, row) & 0xFFFFFF));
      }
    }
    XDestroyImage(image);
  }
  bool Valid() const { return !pixels.empty(); }
  // In window coordinates.
  tessarin::Color At(int x, int y) const { return pixels[(y - top) * width + (x - left)]; }
  // The pixels relative to the area's corner, for comparing two areas.
  const std::vector<tessarin::Color>& Pixels() const { return pixels; }
  int CountOf(tessarin::Color color) const {
    int count = 0;
    for (tessarin::Color pixel : pixels) count += pixel == color ? 1 : 0;
    return count;
  }

 private:
  int left, top, width, height;
  std::vector<tessarin::Color> pixels;
};

// Where a fixture's canvas stands, its ground, and whether it takes the keyboard focus.
struct CanvasPlace {
  int x = 20;
  int y = 20;
  int w = 160;
  int h = 100;
  std::int64_t back = kCanvasBack;
  bool focused = false;
};

// A test fixture with one mapped canvas form at the place the test's constructor names; tests
// keep their places apart so that no form covers another. A test that adds widgets resets
// them in its TearDown before this one drops the form.
class CanvasFixture : public XServerFixture {
 protected:
  explicit CanvasFixture(CanvasPlace place) : place(place) {}
  void SetUp() override {
    XServerFixture::SetUp();
    form = std::make_unique<CanvasForm>(app.get(), place.x, place.y, place.w, place.h, place.back);
    form->Create();
    WaitUntilMapped(form.get());
    if (place.focused) XSetInputFocus(display(), form->GetWindow(), RevertToParent, CurrentTime);
  }
  void TearDown() override {
    form.reset();
    XServerFixture::TearDown();
  }
  ScreenArea Area(int x, int y, int w, int h) {
    return ScreenArea(display(), form->GetWindow(), x, y, w, h);
  }
  tessarin::Color At(int x, int y) { return PixelAt(form.get(), x, y); }

  const CanvasPlace place;
  std::unique_ptr<CanvasForm> form;
};
