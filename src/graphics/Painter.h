// The drawing context of one paint operation on one form's window.
//
// Every pixel the toolkit shows is drawn here, immediately, straight into a form's window: no
// back buffer, no clipping; the display is flushed when the Painter goes, so each paint reaches
// the server whole and at once. A Painter lives on the stack of a Paint call; it creates its
// graphics context with the shared text font selected and frees it when it goes. Colours are
// 0x00RRGGBB; kNoColor keeps the foreground the last call left.
// All Xlib drawing calls of the program live in src/graphics.
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "graphics/Color.h"

class Form;
class GUIElement;
class MyFont;

class Painter {
 public:
  // A null form means the first registered form.
  explicit Painter(Form* form);
  ~Painter();
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  bool IsValid() const { return gc != nullptr; }
  Form* GetForm() const { return form; }

  void DrawPoint(int x, int y, Color color);
  // The pixel value at (x, y) of the window; kNoColor when it cannot be read.
  int GetPixel(int x, int y);
  // style 1: on-off dashes, 2: double dashes, anything else: solid. width is not used.
  void DrawLine(int x1, int y1, int x2, int y2, int style, int width, Color color);
  void DrawLine(int x1, int y1, int x2, int y2, int width, Color color);
  void DrawLines(XPoint* points, int count, int width, Color color);
  void FillPolygon(XPoint* points, int count, int borderWidth, Color border, Color fill);
  // Outline covering exactly w x h pixels.
  void DrawRect(int x, int y, int w, int h, int lineWidth, Color color);
  // Fill covering (w - 1) x (h - 1) pixels; pass w + 1, h + 1 to cover w x h.
  void FillRect(int x, int y, int w, int h, int borderWidth, Color border, Color fill);
  void DrawEllipse(int x, int y, int w, int h, int width, Color color);
  void FillEllipse(int x, int y, int w, int h, int borderWidth, Color border, Color fill);

  // Blits the top-left w x h of the image; 0 for w or h means the image's own size.
  void PutImage(int x, int y, int w, int h, XImage* image);
  void PutImage(int x, int y, XImage* image);
  void PutImagePart(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY);
  // Pixels equal to key show the window's current pixels; the image is changed in place.
  void PutImageTransparent(int x, int y, int w, int h, XImage* image, Color key = 0);
  void PutImagePartTransparent(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY,
                               Color key = 0);
  void CopyArea(int x, int y, int w, int h, Drawable source, int sourceX, int sourceY);

  // Text in a box: split at newlines, wrapped at word boundaries to w, aligned (0 left,
  // 1 right, other centred), a single line centred vertically, on a filled background when
  // bg is a colour. The font argument is accepted for callers that have one; all text uses
  // the shared font.
  void DrawTextBox(int x, int y, int w, int h, const std::string& text, Color fg, Color bg,
                   int align);
  void DrawTextBox(int x, int y, int w, int h, const std::string& text, Color fg, Color bg,
                   const MyFont& font, int align);
  // Shared font ascent + 1.
  int LineHeight();
  // Width of "M" in the shared font.
  int CharWidth();

  void Flush();

 private:
  // kNoColor leaves the foreground the previous primitive set.
  void UseForeground(Color color);
  // Width 1, solid, round caps and joins: where every primitive leaves the lines.
  void RestoreLineAttributes();
  // The image's w x h at (sourceX, sourceY), clamped to the image; 0 means all that is left.
  void BlitClamped(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY);

  Form* form = nullptr;
  Display* display = nullptr;
  Window window = 0;
  GC gc = nullptr;
};

// Fixes the server's pixel layout (byte index of red, green and blue) once per process.
void ProbePixelFormat(GUIElement* element);
// A pixmap of the image's size holding the image; the caller frees it.
Pixmap MakePixmap(GUIElement* element, XImage* image);
