// The base of the slider and the scroll bar: a control that picks a value on a track, by the
// mouse, the arrow keys or Space, and the drawing parts the two share.
//
// A press that starts a drag picks the value under the pointer, and so does every motion until
// the release or the loss of the focus; the loop sends motion to the focused control even
// outside it. Space steps as Down does. The paint remembers where it drew each stop, and the
// mouse is mapped through those stops.
#pragma once

#include <optional>

#include "tessarin/framework/Point.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/Rect.h"
#include "tessarin/widgets/TrackGeometry.h"
#include "tessarin/widgets/Widget.h"

namespace tessarin {

constexpr Color kTrackLight = 0xDDDDDD;

class TrackControl : public Widget {
 public:
  void MouseUp(Point point) override;
  bool KeyChar(char ch) override;
  void MouseMove(int px, int py) override;
  void SetFocus() override;

  int GetCurrentValue() const { return value; }
  bool IsDragging() const { return dragging; }
  // Where the last paint drew each stop, the first's first.
  const TrackStops& GetStops() const { return stops; }

 protected:
  TrackControl(GUIElement* container, const WidgetKind& kind, int initialValue)
      : Widget(container, kind), value(initialValue) {}

  // The value of the stop under the pointer; none where no stop is.
  virtual std::optional<int> ValueAt(Point pointer) const = 0;
  // Tells the control's callbacks of the value it now holds.
  virtual void ReportValue() = 0;
  // Takes the value of the stop under the pointer; false when the control did not outlive the
  // report of a change.
  bool PickAt(Point pointer);
  // Shows and reports a new value; false when the control did not outlive the report.
  bool ChangeValue(int newValue);
  void ReleaseFocusHold() override { dragging = false; }

  int value;
  bool dragging = false;
  TrackStops stops;
};

// A filled triangle with a one-pixel edge in kTrackLight.
void FillTriangle(Painter& painter, Point a, Point b, Point c, Color fill);

// -1 for Left and Up, +1 for Right and Down, 0 for any other key.
int ArrowKeyStep(unsigned long keysym);

// Both controls draw one column past their right edge (x + w); the scroll bar's frame also
// one row past its bottom (y + h). Hide erases the box itself; these erase the rest.
void EraseColumnPastBox(Painter& painter, const Rect& box, Color color);
void EraseRowPastBox(Painter& painter, const Rect& box, Color color);

}  // namespace tessarin
