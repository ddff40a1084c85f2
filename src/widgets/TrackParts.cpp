#include "widgets/TrackParts.h"

#include <X11/keysym.h>

void FillTriangle(Painter& painter, Point a, Point b, Point c, Color fill) {
  XPoint corners[] = {{static_cast<short>(a.x), static_cast<short>(a.y)},
                      {static_cast<short>(b.x), static_cast<short>(b.y)},
                      {static_cast<short>(c.x), static_cast<short>(c.y)}};
  painter.FillPolygon(corners, 3, 1, kTrackLight, fill);
}

int ArrowKeyStep(unsigned long keysym) {
  switch (keysym) {
    case XK_Left:
    case XK_Up:
      return -1;
    case XK_Right:
    case XK_Down:
      return 1;
    default:
      return 0;
  }
}

void EraseColumnPastBox(Painter& painter, const Rect& box, Color color) {
  // FillRect leaves out its last column and row: 2 x (h + 2) covers 1 x (h + 1).
  painter.FillRect(box.x + box.w, box.y, 2, box.h + 2, 0, 0, color);
}

void EraseRowPastBox(Painter& painter, const Rect& box, Color color) {
  painter.FillRect(box.x, box.y + box.h, box.w + 2, 2, 0, 0, color);
}
