#include "widgets/FocusRectangle.h"

namespace {
constexpr int kOnOffDash = 1;
}

void DrawFocusRectangle(Painter& painter, int left, int top, int right, int bottom, Color color) {
  painter.DrawLine(left, top, right, top, kOnOffDash, 1, color);
  painter.DrawLine(left, bottom, left, top - 1, kOnOffDash, 1, color);
  painter.DrawLine(right, top, right, bottom + 1, kOnOffDash, 1, color);
  painter.DrawLine(left, bottom, right, bottom, kOnOffDash, 1, color);
}
