// The scroll bar: moves through a range a page at a time, a page being as many values as the
// track between its two arrows is long in pixels. Arrows at both ends, a filled thumb on the
// current page, lying or standing.
//
// A press on an arrow steps one page back or forward; a press on the track picks the page
// under the pointer and so does every motion until the release (motion keeps coming while the
// bar has the focus, even outside it); the arrow keys and Space step too. Every change is reported
// through onScroll with ten times the new value. The paint remembers the track it drew and the stop
// of each page; the mouse is mapped through them, so a bar that was never painted ignores presses.
// The bar lies unless it was made to stand with SetVertical(true). The form that builds one owns
// it.
#pragma once

#include <functional>
#include <utility>

#include "tessarin/widgets/TrackControl.h"
#include "tessarin/widgets/TrackGeometry.h"

namespace tessarin {

class ScrollBar : public TrackControl {
 public:
  // Any callable; a form passes a lambda that captures itself.
  using ScrollCallback = std::function<void(ScrollBar* bar, long tenTimesValue)>;

  ScrollBar(GUIElement* parent, int minimum, int maximum);

  void Hide() override;
  void MouseDown(Point point) override;
  void KeyDown(unsigned long keysym) override;
  void Paint() override;

  void SetScrollCallback(ScrollCallback callback) { onScroll = std::move(callback); }
  // onScroll with ten times v.
  void NotifyScroll(int v);
  void SetRange(int newMinimum, int newMaximum);
  // Kept as given, even outside the range: the thumb then shows the nearest page.
  void SetValue(int newValue);
  // Setting one orientation clears the other; a created bar is drawn again the new way.
  void SetHorizontal(bool on);
  void SetVertical(bool on);

  int GetMinimum() const { return minimum; }
  int GetMaximum() const { return maximum; }
  bool IsHorizontal() const { return horizontal; }
  bool IsVertical() const { return vertical; }

 private:
  // The track at the current size, range and orientation, painted or not.
  ScrollBarTrack CurrentTrack() const;
  // Takes the page under the pointer, whose stop is the page's start.
  std::optional<int> ValueAt(Point pointer) const override;
  void ReportValue() override { NotifyScroll(value); }
  void Redraw();
  void PaintFrame(Painter& painter, const Rect& box, Color fg);
  void PaintArrows(Painter& painter, const Rect& box, Color fg);

  ScrollCallback onScroll;
  int minimum;
  int maximum;
  bool horizontal = true;
  bool vertical = false;
  // The track the stops were laid out on.
  ScrollBarTrack paintedTrack;
};

}  // namespace tessarin
