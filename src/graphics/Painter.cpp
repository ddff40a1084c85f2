#include "tessarin/graphics/Painter.h"

#include "tessarin/graphics/FlushBatch.h"
#include "tessarin/graphics/SharedGC.h"
#include "tessarin/util/Log.h"

namespace tessarin {

namespace {

constexpr int kFullTurn = 360 * 64;

}  // namespace

Painter::Painter(const PaintTarget& paintTarget) : target(paintTarget) {
  if (!target.IsUsable()) {
    // Asking the server for a context on no drawable would end the process with BadDrawable.
    Log("Errore nella creazione del GC");
    return;
  }
  display = target.display;
  drawable = target.drawable;
  masks = VisualColorMasks(display);
  gc = SharedGC(display);
  if (gc == nullptr) {
    Log("Errore nella creazione del GC");
    return;
  }
  int screen = DefaultScreen(display);
  XSetForeground(display, gc, WhitePixel(display, screen));
  XSetBackground(display, gc, BlackPixel(display, screen));
  XSetFillStyle(display, gc, FillSolid);
  RestoreLineAttributes();
  XSetArcMode(display, gc, ArcPieSlice);
  if (target.font != nullptr) XSetFont(display, gc, target.font->fid);
}

Painter::~Painter() {
  // One flush for the whole paint rather than one per primitive: each flush is a write() and
  // two reads in Xlib and wakes the server, and per primitive they made up most of the
  // game's start-up CPU time. The element still reaches the screen the moment it is painted,
  // unless a FlushBatch gathers the paints of many elements into one flush.
  if (display != nullptr && !FlushBatch::IsOpen()) XFlush(display);
}

void Painter::Flush() {
  if (display != nullptr) XFlush(display);
}

void Painter::UseForeground(Color color) {
  if (color != kNoColor) XSetForeground(display, gc, PixelOf(color));
}

void Painter::RestoreLineAttributes() {
  XSetLineAttributes(display, gc, 1, LineSolid, CapRound, JoinRound);
}

void Painter::DrawPoint(int x, int y, Color color) {
  if (gc == nullptr) return;
  XSetForeground(display, gc, PixelOf(color));
  XDrawPoint(display, drawable, gc, x, y);
}

void Painter::DrawLine(int x1, int y1, int x2, int y2, int style, int, Color color) {
  if (gc == nullptr) return;
  UseForeground(color);
  bool dashed = style == 1 || style == 2;
  if (dashed) {
    int lineStyle = style == 1 ? LineOnOffDash : LineDoubleDash;
    XSetLineAttributes(display, gc, 1, lineStyle, CapRound, JoinRound);
  }
  XDrawLine(display, drawable, gc, x1, y1, x2, y2);
  if (dashed) RestoreLineAttributes();
}

void Painter::DrawLine(int x1, int y1, int x2, int y2, int width, Color color) {
  DrawLine(x1, y1, x2, y2, 0, width, color);
}

void Painter::DrawLines(XPoint* points, int count, int, Color color) {
  if (gc == nullptr || points == nullptr || count <= 0) return;
  UseForeground(color);
  XDrawLines(display, drawable, gc, points, count, CoordModeOrigin);
}

void Painter::FillPolygon(XPoint* points, int count, int borderWidth, Color border, Color fill) {
  if (gc == nullptr || points == nullptr || count <= 0) return;
  UseForeground(fill);
  XFillPolygon(display, drawable, gc, points, count, Complex, CoordModeOrigin);
  if (borderWidth > 0) DrawLines(points, count, borderWidth, border);
}

void Painter::DrawRect(int x, int y, int w, int h, int lineWidth, Color color) {
  if (gc == nullptr) return;
  UseForeground(color);
  if (w < 1 || h < 1) return;
  // XDrawRectangle outlines one pixel more than its size in each direction.
  auto outlineW = static_cast<unsigned>(w - 1);
  auto outlineH = static_cast<unsigned>(h - 1);
  if (lineWidth > 1) {
    XSetLineAttributes(display, gc, static_cast<unsigned>(lineWidth), LineSolid, CapRound,
                       JoinRound);
  }
  XDrawRectangle(display, drawable, gc, x, y, outlineW, outlineH);
  if (lineWidth > 1) RestoreLineAttributes();
}

void Painter::FillRect(int x, int y, int w, int h, int borderWidth, Color border, Color fill) {
  if (gc == nullptr) return;
  UseForeground(fill);
  if (w > 1 && h > 1) {
    XFillRectangle(display, drawable, gc, x, y, static_cast<unsigned>(w - 1),
                   static_cast<unsigned>(h - 1));
  }
  if (borderWidth > 0) DrawRect(x, y, w - 1, h - 1, borderWidth, border);
}

void Painter::FillBox(const Rect& box, Color fill) {
  // FillRect leaves out its last column and row; one more of each covers the whole box.
  FillRect(box.x, box.y, box.w + 1, box.h + 1, 0, 0, fill);
}

void Painter::DrawEllipse(int x, int y, int w, int h, int, Color color) {
  if (gc == nullptr || w < 0 || h < 0) return;
  UseForeground(color);
  XSetArcMode(display, gc, ArcPieSlice);
  XDrawArc(display, drawable, gc, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
           kFullTurn);
}

void Painter::FillEllipse(int x, int y, int w, int h, int borderWidth, Color border, Color fill) {
  if (gc == nullptr || w < 0 || h < 0) return;
  UseForeground(fill);
  XSetArcMode(display, gc, ArcPieSlice);
  XFillArc(display, drawable, gc, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
           kFullTurn);
  if (borderWidth > 0) DrawEllipse(x, y, w, h, borderWidth, border);
}

void Painter::DrawBevel(int x, int y, int w, int h, BevelColors colors) {
  const int right = x + w - 1;
  const int bottom = y + h - 1;
  DrawLine(x, y, right, y, 1, colors.upperLeft);
  DrawLine(x, bottom, x, y, 1, colors.upperLeft);
  DrawLine(right, y, right, bottom, 1, colors.lowerRight);
  DrawLine(x, bottom, right, bottom, 1, colors.lowerRight);
}

}  // namespace tessarin
