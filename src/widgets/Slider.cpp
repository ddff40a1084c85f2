#include "tessarin/widgets/Slider.h"

#include "tessarin/framework/ElementWatch.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {
constexpr int kSolid = 0;
constexpr int kLabelSide = 20;    // a horizontal slider's label box, at each end
constexpr int kLabelHeight = 18;  // a vertical slider's label box, at each end
constexpr int kTickHalf = 3;      // a tick reaches this far to each side of the track
constexpr int kThumbGap = 5;      // between the track and the thumb's tip
constexpr int kThumbDepth = 10;   // from the thumb's tip to its base
constexpr int kThumbHalfBase = 10;
}  // namespace

Slider::Slider(GUIElement* container, bool isVertical, int minimum, int maximum)
    : TrackControl(container, {"slider", TabStop::Yes}, minimum),
      range{minimum, maximum},
      vertical(isVertical) {}

void Slider::Hide() {
  // The right label's box reaches one column past the box, which Widget::Hide leaves.
  if (created && GetParentForm() != nullptr) {
    Painter painter = FormPainter();
    EraseColumnPastBox(painter, FormBox(), EraseColor());
  }
  Widget::Hide();
}

void Slider::MouseDown(Point point) {
  if (enabled) {
    dragging = true;
    if (!PickAt(point)) return;
  }
  TrackControl::MouseDown(point);
}

void Slider::KeyDown(unsigned long keysym) {
  const int step = ArrowKeyStep(keysym);
  if (!enabled || !focused || step == 0) return;
  const int previous = value;
  value = range.Step(value, step);
  Paint();
  if (value != previous) NotifyValueChanged();
}

void Slider::SetShowLabels(bool on) {
  showLabels = on;
  RepaintIfCreated();
}

void Slider::NotifyValueChanged() {
  const ElementWatch watch(this);
  if (onValueChanged) {
    // A copy: the callback may delete the slider, and with it the stored callable.
    const ValueChangedCallback report = onValueChanged;
    report(this, value);
  }
  if (watch && onChange != nullptr) onChange(this);
}

void Slider::SetValue(int newValue) {
  value = range.Clamp(newValue);
  Paint();
}

std::optional<int> Slider::ValueAt(Point pointer) const {
  const int k = PickSliderStop(stops, vertical, pointer);
  if (k < 0) return std::nullopt;
  return static_cast<int>(range.minimum + SliderOffsetOf(stops, range.Steps(), k));
}

void Slider::Paint() {
  if (!CanPaint()) return;
  const Point size = AdjustSliderSize(vertical, range.Steps(), {width, height});
  width = size.x;
  height = size.y;
  Painter painter = FormPainter();
  if (!painter.IsValid()) return;
  const Rect box = FormBox();
  const Color back = BackColorFrom(Backdrop::Own);
  const Color fg = enabled ? foreColor : kDisabledText;

  painter.FillBox(box, back);
  const SliderTrack track = LayOutSliderTrack(vertical, box, range.Steps());
  stops = track.stops;
  if (showLabels) PaintLabels(painter, box, fg, back);
  PaintTrack(painter, track, fg);
  const long long offset = static_cast<long long>(value) - range.minimum;
  PaintThumb(painter, stops[SliderStopOf(stops, range.Steps(), offset)], fg);
  if (focused && enabled) PaintFocus(painter, box, fg);
}

void Slider::PaintLabels(Painter& painter, const Rect& box, Color fg, Color back) {
  const std::string low = ToString(range.minimum);
  const std::string high = ToString(range.maximum);
  if (vertical) {
    painter.DrawTextBox(box.x, box.y, box.w + 1, kLabelHeight, low, fg, back, TextAlign::Center);
    painter.DrawTextBox(box.x, box.y + box.h - kLabelHeight, box.w + 1, kLabelHeight, high, fg,
                        back, TextAlign::Center);
    return;
  }
  painter.DrawTextBox(box.x, box.y, kLabelSide, box.h, low, fg, back, TextAlign::Center);
  painter.DrawTextBox(box.x + box.w - kLabelSide + 1, box.y, kLabelSide, box.h, high, fg, back,
                      TextAlign::Center);
}

// The track and each tick are a line in the colour with a light line beside it, right of a
// vertical one and below a horizontal one.
void Slider::PaintTrack(Painter& painter, const SliderTrack& track, Color fg) {
  if (vertical) {
    painter.DrawLine(track.start.x + 1, track.start.y, track.end.x + 1, track.end.y, kSolid, 1,
                     kTrackLight);
    painter.DrawLine(track.start.x, track.start.y, track.end.x, track.end.y, kSolid, 1, fg);
  } else {
    painter.DrawLine(track.start.x, track.start.y, track.end.x, track.end.y, kSolid, 1, fg);
    painter.DrawLine(track.start.x, track.start.y + 1, track.end.x, track.end.y + 1, kSolid, 1,
                     kTrackLight);
  }
  for (Point stop : stops) {
    if (vertical) {
      painter.DrawLine(stop.x - kTickHalf, stop.y, stop.x + kTickHalf, stop.y, kSolid, 1, fg);
      painter.DrawLine(stop.x - kTickHalf, stop.y + 1, stop.x + kTickHalf, stop.y + 1, kSolid, 1,
                       kTrackLight);
    } else {
      painter.DrawLine(stop.x, stop.y - kTickHalf, stop.x, stop.y + kTickHalf, kSolid, 1, fg);
      painter.DrawLine(stop.x + 1, stop.y - kTickHalf, stop.x + 1, stop.y + kTickHalf, kSolid, 1,
                       kTrackLight);
    }
  }
}

// The thumb points at the track: from above a horizontal one, from the right of a vertical one.
void Slider::PaintThumb(Painter& painter, Point stop, Color fg) {
  if (vertical) {
    const int base = stop.x + kThumbGap + kThumbDepth;
    FillTriangle(painter, {stop.x + kThumbGap, stop.y}, {base, stop.y - kThumbHalfBase},
                 {base, stop.y + kThumbHalfBase}, fg);
    return;
  }
  const int base = stop.y - kThumbGap - kThumbDepth;
  FillTriangle(painter, {stop.x, stop.y - kThumbGap}, {stop.x + kThumbHalfBase, base},
               {stop.x - kThumbHalfBase, base}, fg);
}

void Slider::PaintFocus(Painter& painter, const Rect& box, Color fg) {
  DrawFocusRectangle(painter, box.x, box.y + 1, box.Right(), box.y + box.h - 2, fg);
}

}  // namespace tessarin
