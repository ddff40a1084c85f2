// The drawing context of one paint operation on one target: a window or a pixmap.
//
// Every pixel the toolkit shows is drawn here, immediately, straight into the target its
// caller hands over: no back buffer, no clipping; the display is flushed when the Painter
// goes, so each paint reaches the server whole and at once. A Painter lives on the stack of a
// Paint call; it creates its graphics context with the target's font selected and frees it
// when it goes. Colours are 0x00RRGGBB, each set as the pixel the screen's visual makes of it
// (ColorMasks.h); kNoColor keeps the foreground the last call left.
// All Xlib drawing calls of the program live in src/graphics.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <vector>

#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/ColorMasks.h"
#include "tessarin/graphics/PaintTarget.h"
#include "tessarin/graphics/Rect.h"
#include "tessarin/graphics/TextPlacement.h"

namespace tessarin {

class MyFont;

// The two colours of a one-pixel 3D frame: top and left edges, then right and bottom edges.
struct BevelColors {
  Color upperLeft;
  Color lowerRight;
};

constexpr BevelColors kRaisedBevel{kWhite, kBlack};
constexpr BevelColors kSunkenBevel{kBlack, kWhite};

class Painter {
 public:
  // An unusable target gives a Painter that draws nothing and logs why.
  explicit Painter(const PaintTarget& target);
  ~Painter();
  Painter(const Painter&) = delete;
  Painter& operator=(const Painter&) = delete;

  bool IsValid() const { return gc != nullptr; }
  const PaintTarget& GetTarget() const { return target; }

  void DrawPoint(int x, int y, Color color);
  // The pixel value at (x, y) of the target, the colour itself only on a 24-bit visual;
  // kNoColor when it cannot be read.
  int GetPixel(int x, int y);
  // style 1: on-off dashes, 2: double dashes, anything else: solid. width is not used.
  void DrawLine(int x1, int y1, int x2, int y2, int style, int width, Color color);
  void DrawLine(int x1, int y1, int x2, int y2, int width, Color color);
  void DrawLines(XPoint* points, int count, int width, Color color);
  void FillPolygon(XPoint* points, int count, int borderWidth, Color border, Color fill);
  // Outline covering exactly w x h pixels.
  void DrawRect(int x, int y, int w, int h, int lineWidth, Color color);
  // Fill covering (w - 1) x (h - 1) pixels: DrawRect's box without its last column and row.
  void FillRect(int x, int y, int w, int h, int borderWidth, Color border, Color fill);
  // Fill covering exactly the box's w x h pixels; an empty box covers none.
  void FillBox(const Rect& box, Color fill);
  void DrawEllipse(int x, int y, int w, int h, int width, Color color);
  void FillEllipse(int x, int y, int w, int h, int borderWidth, Color border, Color fill);
  // The outermost pixels of the w x h box as a frame: top and left in one colour, right and
  // bottom in the other, drawn in that order so the two far corners take the second colour.
  void DrawBevel(int x, int y, int w, int h, BevelColors colors);

  // Blits the top-left w x h of the image; 0 for w or h means the image's own size.
  void PutImage(int x, int y, int w, int h, XImage* image);
  void PutImage(int x, int y, XImage* image);
  void PutImagePart(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY);
  // Pixels equal to key show the target's current pixels; the image is changed in place.
  void PutImageTransparent(int x, int y, int w, int h, XImage* image, Color key = 0);
  void PutImagePartTransparent(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY,
                               Color key = 0);
  void CopyArea(int x, int y, int w, int h, Drawable source, int sourceX, int sourceY);
  // The BMP file of the given depth (4, 8 or 24) at (x, y), w x h of it at most; nothing when
  // the file is missing or unusable. The transparent twin lets its black pixels show the
  // target through.
  void DrawBitmapFile(int x, int y, int w, int h, int depth, const std::string& path);
  void DrawBitmapFileTransparent(int x, int y, int w, int h, int depth, const std::string& path);

  // Text in a box: split at newlines, wrapped at word boundaries to w, aligned, a single line
  // centred vertically, on a filled background when bg is a colour. The font argument is
  // accepted for callers that have one; all text uses the target's font.
  void DrawTextBox(int x, int y, int w, int h, const std::string& text, Color fg, Color bg,
                   TextAlign align);
  void DrawTextBox(int x, int y, int w, int h, const std::string& text, Color fg, Color bg,
                   const MyFont& font, TextAlign align);
  // Single characters along one row of w x h cells, each placed exactly as DrawTextBox places
  // it alone in its cell at cellXs[i] on row y, without a background: one request for the
  // row, where a DrawTextBox per cell sends one each.
  void DrawGlyphCells(const std::vector<int>& cellXs, const std::string& glyphs, int y, int w,
                      int h, Color fg, TextAlign align);
  // The target font's ascent + 1.
  int LineHeight();
  // Width of "M" in the target's font.
  int CharWidth();

  void Flush();

 private:
  // kNoColor leaves the foreground the previous primitive set.
  void UseForeground(Color color);
  unsigned long PixelOf(Color color) const { return ColorToPixel(color, masks); }
  // Width 1, solid, round caps and joins: where every primitive leaves the lines.
  void RestoreLineAttributes();
  // The image's w x h at (sourceX, sourceY), clamped to the image; 0 means all that is left.
  void BlitClamped(int x, int y, int w, int h, XImage* image, int sourceX, int sourceY);
  void DrawBitmap(int x, int y, int w, int h, int depth, const std::string& path, bool transparent);

  PaintTarget target;
  // Shorthands for the target's display and drawable.
  Display* display = nullptr;
  Drawable drawable = 0;
  GC gc = nullptr;
  ColorMasks masks;
};

// The text measures of a font for code that measures without drawing (a Painter reports the
// same for its target's font): ascent + 1, the width of "M", and the width of a line of text.
// 0 without a font.
int FontLineHeight(const XFontStruct* font);
int FontCharWidth(XFontStruct* font);
int FontTextWidth(XFontStruct* font, const std::string& text);

// A pixmap of the image's size and depth on the display, holding the image; 0 when there is
// nothing to hold. like is any drawable of the screen the pixmap is for. The caller frees it.
Pixmap MakePixmap(Display* display, Drawable like, XImage* image);

}  // namespace tessarin
