// The progress bar: a sunken box that a blue bar fills from the left by the share of its range
// that its value has reached. It takes no input. The form that builds a bar owns it.
#pragma once

#include "widgets/Widget.h"

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
