// The slider: picks a whole number from a small range. A track with one tick per value, a
// triangular thumb at the current value, the range's ends as labels, lying or standing.
//
// The mouse picks the value under it on a press and while dragging (motion keeps coming
// while the slider has the focus, even outside it); the arrow keys and Space step it, wrapping
// round at the ends. Every change is reported through onValueChanged, then OnChange. The
// paint adjusts the size to the range and remembers where each value's stop was drawn; the
// mouse is mapped through those stops. The form that builds a slider owns it.
#pragma once

#include "graphics/Color.h"
#include "widgets/SliderGeometry.h"
#include "widgets/Widget.h"

class Slider : public Widget {
 public:
  using ValueChangedCallback = void (*)(Slider* slider, int value);

  Slider(GUIElement* parent, bool vertical, int minimum, int maximum);

  void Hide() override;
  void MouseUp(Point point) override;
  void MouseDown(Point point) override;
  void KeyDown(unsigned long keysym) override;
  bool KeyChar(char ch) override;
  void MouseMove(int px, int py) override;
  void SetFocus() override;
  void Paint() override;
  void GotFocus() override;
  void LostFocus() override;

  virtual void Enable(bool on);

  void SetForeColor(Color color);
  void SetShowLabels(bool on);
  void SetValueChangedCallback(ValueChangedCallback callback) { onValueChanged = callback; }
  // onValueChanged with the value, then the element's OnChange.
  void NotifyValueChanged();
  // Clamped into the range; reports nothing.
  void SetValue(int newValue);
  int GetCurrentValue() const { return value; }

  int GetMinimum() const { return range.minimum; }
  int GetMaximum() const { return range.maximum; }
  bool IsVertical() const { return vertical; }
  bool IsDragging() const { return dragging; }
  bool AreLabelsShown() const { return showLabels; }
  Color GetForeColor() const { return foreColor; }
  // Where the last paint drew each value's stop, the minimum's first.
  const TrackStops& GetStops() const { return stops; }

 private:
  // Takes the value of the stop under the pointer; false when the slider did not outlive the
  // report of a change.
  bool PickAt(Point pointer);
  // Shows and reports a new value; false when the slider did not outlive the report.
  bool ChangeValue(int newValue);
  void PaintLabels(Painter& painter, const Rect& box, Color fg, Color back);
  void PaintTrack(Painter& painter, const SliderTrack& track, Color fg);
  void PaintThumb(Painter& painter, Point stop, Color fg);
  void PaintFocus(Painter& painter, const Rect& box, Color fg);

  bool showLabels = true;
  bool dragging = false;
  SliderRange range;
  int value;
  Color foreColor = kBlack;
  bool vertical;
  TrackStops stops;
  ValueChangedCallback onValueChanged = nullptr;
};
