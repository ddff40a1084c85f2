// The slider: picks a whole number from a small range. A track with one tick per value, a
// triangular thumb at the current value, the range's ends as labels, lying or standing.
//
// The mouse picks the value under it on a press and while dragging (motion keeps coming
// while the slider has the focus, even outside it); the arrow keys and Space step it, wrapping
// round at the ends. Every change is reported through onValueChanged, then OnChange. The
// paint adjusts the size to the range and remembers where each value's stop was drawn; the
// mouse is mapped through those stops. The form that builds a slider owns it.
#pragma once

#include <functional>
#include <utility>

#include "tessarin/graphics/Color.h"
#include "tessarin/widgets/TrackControl.h"
#include "tessarin/widgets/TrackGeometry.h"

namespace tessarin {

class Slider : public TrackControl {
 public:
  // Any callable; a form passes a lambda that captures itself.
  using ValueChangedCallback = std::function<void(Slider* slider, int value)>;

  Slider(GUIElement* parent, bool vertical, int minimum, int maximum);

  void Hide() override;
  void MouseDown(Point point) override;
  void KeyDown(unsigned long keysym) override;
  void Paint() override;

  void SetShowLabels(bool on);
  void SetValueChangedCallback(ValueChangedCallback callback) {
    onValueChanged = std::move(callback);
  }
  // onValueChanged with the value, then the element's OnChange.
  void NotifyValueChanged();
  // Clamped into the range; reports nothing.
  void SetValue(int newValue);

  int GetMinimum() const { return range.minimum; }
  int GetMaximum() const { return range.maximum; }
  bool IsVertical() const { return vertical; }
  bool AreLabelsShown() const { return showLabels; }

 private:
  std::optional<int> ValueAt(Point pointer) const override;
  void ReportValue() override { NotifyValueChanged(); }
  void PaintLabels(Painter& painter, const Rect& box, Color fg, Color back);
  void PaintTrack(Painter& painter, const SliderTrack& track, Color fg);
  void PaintThumb(Painter& painter, Point stop, Color fg);
  void PaintFocus(Painter& painter, const Rect& box, Color fg);

  bool showLabels = true;
  SliderRange range;
  bool vertical;
  ValueChangedCallback onValueChanged;
};

}  // namespace tessarin
