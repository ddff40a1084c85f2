// The progress bar: a sunken box that a blue bar fills from the left by the share of its range
// that its value has reached. It takes no input. The form that builds a bar owns it.
#pragma once

#include "tessarin/widgets/Widget.h"

namespace tessarin {

// The arithmetic of a progress bar, free of X: the value a bar holds for a request, and how
// many columns of its inner width the value fills. The range is taken as given by the bar,
// minimum <= maximum; an empty range (minimum = maximum) fills nothing.

// v kept inside [minimum, maximum].
int ClampToRange(int v, int minimum, int maximum);

// The share (value - minimum) / (maximum - minimum) of innerWidth, truncated: 0 for an empty
// range, a value at or below the minimum, or no inner width; never more than innerWidth.
int FilledWidth(int innerWidth, int value, int minimum, int maximum);

class ProgressBar : public Widget {
 public:
  // A maximum below the minimum gives the empty range at the minimum.
  ProgressBar(GUIElement* parent, int minimum, int maximum);

  void Paint() override;

  // Kept inside the range; repaints only when the value held changes.
  void SetValue(int v);
  int GetCurrentValue() const { return value; }
  void SetBordered(bool on);
  bool IsBordered() const { return bordered; }
  int GetMinimum() const { return minimum; }
  int GetMaximum() const { return maximum; }

 private:
  int minimum;
  int maximum;
  int value;
  bool bordered = true;
};

}  // namespace tessarin
