#include "tessarin/widgets/ProgressBar.h"

#include <algorithm>
#include <cstdint>

namespace tessarin {

namespace {
constexpr Color kBarBlue = 0x0000FF;
}

ProgressBar::ProgressBar(GUIElement* container, int low, int high)
    : Widget(container, {"progressbar", TabStop::No, 190, 25}),
      minimum(low),
      maximum(std::max(low, high)),
      value(low) {}

void ProgressBar::SetValue(int v) {
  SetShown(value, ClampToRange(v, minimum, maximum));
}

void ProgressBar::SetBordered(bool on) {
  bordered = on;
  RepaintIfCreated();
}

void ProgressBar::Paint() {
  if (!CanPaint()) return;
  Painter painter = FormPainter();
  const Rect box = FormBox();
  // The whole box, last column and row included: without a border nothing else would cover
  // them, and a frame drawn before would stay.
  painter.FillBox(box, ColorOrGrey(backColor));
  if (bordered) painter.DrawBevel(box.x, box.y, box.w, box.h, kSunkenBevel);
  const int filled = FilledWidth(box.w - 2, value, minimum, maximum);
  // FillRect covers one column and one row less than it is given.
  if (filled > 0 && box.h > 2) {
    painter.FillBox({box.x + 1, box.y + 1, filled, box.h - 2}, kBarBlue);
  }
}

int ClampToRange(int v, int minimum, int maximum) {
  if (v < minimum) return minimum;
  if (v > maximum) return maximum;
  return v;
}

int FilledWidth(int innerWidth, int value, int minimum, int maximum) {
  if (innerWidth <= 0 || maximum <= minimum) return 0;
  // In 64 bits the span of any two ints fits, and so does its product with a width below
  // 2^31, so the share is exact: no rounding can push a full bar one column short or over.
  const std::int64_t span = std::int64_t{maximum} - minimum;
  const std::int64_t reached = std::int64_t{ClampToRange(value, minimum, maximum)} - minimum;
  return static_cast<int>(std::uint64_t(innerWidth) * std::uint64_t(reached) / std::uint64_t(span));
}

}  // namespace tessarin
