#include "tessarin/widgets/ScrollBar.h"

#include <X11/keysym.h>

#include "tessarin/framework/ElementWatch.h"

namespace tessarin {

namespace {
constexpr int kArrowInset = 2;  // from the frame to an arrow's tip and to its base's ends
constexpr int kArrowBase = 19;  // from the bar's end to an arrow's base
}  // namespace

ScrollBar::ScrollBar(GUIElement* container, int low, int high)
    : TrackControl(container, {"scrollbar", TabStop::Yes, 80, 13}, 0),
      minimum(low),
      maximum(high) {}

void ScrollBar::Hide() {
  // The frame's right and bottom lines lie one pixel past the box, which Widget::Hide leaves.
  if (created && GetParentForm() != nullptr) {
    Painter painter = FormPainter();
    const Rect box = FormBox();
    EraseColumnPastBox(painter, box, EraseColor());
    EraseRowPastBox(painter, box, EraseColor());
  }
  Widget::Hide();
}

void ScrollBar::MouseDown(Point point) {
  // Before the first paint there are no stops to map the press through: Nothing.
  if (enabled) {
    const ElementWatch watch(this);
    switch (ClassifyScrollBarPress(paintedTrack, stops, vertical, point)) {
      case ScrollBarPress::StepBack:
        KeyDown(vertical ? XK_Up : XK_Left);
        break;
      case ScrollBarPress::StepForward:
        KeyDown(vertical ? XK_Down : XK_Right);
        break;
      case ScrollBarPress::Pick:
        // Only a press on the track drags. From an arrow, the least motion before the
        // release would pick the page under the arrow and throw the step away.
        dragging = true;
        PickAt(point);
        break;
      case ScrollBarPress::Nothing:
        break;
    }
    if (!watch) return;
  }
  TrackControl::MouseDown(point);
}

void ScrollBar::KeyDown(unsigned long keysym) {
  const int step = ArrowKeyStep(keysym);
  if (!enabled || !focused || step == 0) return;
  const ScrollBarTrack track = CurrentTrack();
  if (track.pages == 0) return;
  const int page = ScrollBarSteppedPage(track, ScrollBarPageOf(track, minimum, value), step);
  const int newValue = ScrollBarPageValue(track, minimum, page);
  if (newValue != value) ChangeValue(newValue);
}

void ScrollBar::NotifyScroll(int v) {
  if (!onScroll) return;
  // A copy: the callback may delete the bar, and with it the stored callable.
  const ScrollCallback report = onScroll;
  report(this, 10L * v);
}

void ScrollBar::SetRange(int newMinimum, int newMaximum) {
  minimum = newMinimum;
  maximum = newMaximum;
  Paint();
}

void ScrollBar::SetValue(int newValue) {
  value = newValue;
  Paint();
}

void ScrollBar::SetHorizontal(bool on) {
  horizontal = on;
  if (on) vertical = false;
  Redraw();
}

void ScrollBar::SetVertical(bool on) {
  vertical = on;
  if (on) horizontal = false;
  Redraw();
}

void ScrollBar::Redraw() {
  if (!created) return;
  Hide();
  Show();
}

ScrollBarTrack ScrollBar::CurrentTrack() const {
  return MeasureScrollBarTrack(vertical, AdjustScrollBarSize(vertical, {width, height}), minimum,
                               maximum);
}

std::optional<int> ScrollBar::ValueAt(Point pointer) const {
  const int page = PickScrollBarPage(paintedTrack, stops, vertical, pointer);
  if (page < 0) return std::nullopt;
  return ScrollBarPageValue(paintedTrack, minimum, page);
}

void ScrollBar::Paint() {
  if (!CanPaint()) return;
  const Point size = AdjustScrollBarSize(vertical, {width, height});
  width = size.x;
  height = size.y;
  Painter painter = FormPainter();
  if (!painter.IsValid()) return;
  const Rect box = FormBox();
  const Color fg = enabled ? kBlack : kDisabledText;

  painter.FillRect(box.x, box.y, box.w, box.h, 0, 0, BackColorFrom(Backdrop::Own));
  PaintFrame(painter, box, fg);
  PaintArrows(painter, box, fg);
  paintedTrack = MeasureScrollBarTrack(vertical, size, minimum, maximum);
  stops = LayOutScrollBarStops(paintedTrack, vertical, {box.x, box.y});
  if (!paintedTrack.HasThumb()) return;
  const Rect thumb =
      ScrollBarThumb(paintedTrack, vertical, box, ScrollBarPageOf(paintedTrack, minimum, value));
  painter.FillRect(thumb.x, thumb.y, thumb.w, thumb.h, 0, fg, fg);
}

// Light along the top and the left, dark along the right and the bottom, each line reaching
// one pixel past the box.
void ScrollBar::PaintFrame(Painter& painter, const Rect& box, Color fg) {
  const int right = box.x + box.w;
  const int bottom = box.y + box.h;
  painter.DrawLine(box.x, box.y, right, box.y, 1, kTrackLight);
  painter.DrawLine(box.x, box.y, box.x, bottom, 1, kTrackLight);
  painter.DrawLine(right, box.y, right, bottom, 1, fg);
  painter.DrawLine(box.x, bottom, right, bottom, 1, fg);
}

void ScrollBar::PaintArrows(Painter& painter, const Rect& box, Color fg) {
  const int right = box.x + box.w;
  const int bottom = box.y + box.h;
  if (vertical) {
    const int middle = box.x + box.w / 2;
    const int near = box.x + kArrowInset;
    const int far = right - kArrowInset;
    FillTriangle(painter, {middle, box.y + kArrowInset}, {far, box.y + kArrowBase},
                 {near, box.y + kArrowBase}, fg);
    FillTriangle(painter, {middle, bottom - kArrowInset}, {far, bottom - kArrowBase},
                 {near, bottom - kArrowBase}, fg);
    return;
  }
  const int middle = box.y + box.h / 2;
  const int near = box.y + kArrowInset;
  const int far = bottom - kArrowInset;
  FillTriangle(painter, {box.x + kArrowInset, middle}, {box.x + kArrowBase, near},
               {box.x + kArrowBase, far}, fg);
  FillTriangle(painter, {right - kArrowInset, middle}, {right - kArrowBase, near},
               {right - kArrowBase, far}, fg);
}

}  // namespace tessarin
