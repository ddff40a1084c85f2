#include "tessarin/widgets/TrackControl.h"

#include <X11/keysym.h>

#include "tessarin/framework/ElementWatch.h"
#include "tessarin/util/CharacterCodes.h"

namespace tessarin {

void TrackControl::MouseUp(Point point) {
  dragging = false;
  Widget::MouseUp(point);
}

bool TrackControl::KeyChar(char ch) {
  if (enabled && focused && ch == kSpaceChar) {
    const ElementWatch watch(this);
    KeyDown(XK_Down);
    if (!watch) return true;
  }
  return Widget::KeyChar(ch);
}

void TrackControl::MouseMove(int px, int py) {
  if (dragging && !PickAt({px, py})) return;
  Widget::MouseMove(px, py);
}

void TrackControl::SetFocus() {
  Widget::SetFocus();
  Paint();
}

bool TrackControl::PickAt(Point pointer) {
  const std::optional<int> picked = ValueAt(pointer);
  if (!picked || *picked == value) return true;
  return ChangeValue(*picked);
}

bool TrackControl::ChangeValue(int newValue) {
  value = newValue;
  // Shown before it is reported: the report may destroy the control.
  Paint();
  const ElementWatch watch(this);
  ReportValue();
  return static_cast<bool>(watch);
}

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
  painter.FillBox({box.x + box.w, box.y, 1, box.h + 1}, color);
}

void EraseRowPastBox(Painter& painter, const Rect& box, Color color) {
  painter.FillBox({box.x, box.y + box.h, box.w + 1, 1}, color);
}

}  // namespace tessarin
