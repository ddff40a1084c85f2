#include "tessarin/widgets/CheckBox.h"

#include <algorithm>

#include "tessarin/framework/ElementWatch.h"
#include "tessarin/util/CharacterCodes.h"

namespace tessarin {

namespace {
constexpr int kMinimumHeight = 22;
// The box sits one pixel inside the element; the caption starts 5 pixels to its right.
constexpr int kGlyphInset = 1;
constexpr int kCaptionLeft = kGlyphInset + kGlyphSize + 5;
constexpr int kCaptionRightMargin = kGlyphSize + 10;
}  // namespace

CheckBox::CheckBox(GUIElement* container, const std::string& caption)
    : Widget(container, {"checkbox", TabStop::Yes, 80, 30}, caption) {}

void CheckBox::SetText(const std::string& newText) {
  text = newText;
  Paint();
}

void CheckBox::MouseUp(Point point) {
  if (enabled && !ToggleByUser()) return;
  Child::MouseUp(point);
}

void CheckBox::MouseDown(Point) {}

void CheckBox::KeyDown(unsigned long) {}

bool CheckBox::KeyChar(char ch) {
  if (enabled && focused && ch == kSpaceChar && !ToggleByUser()) return true;
  return Child::KeyChar(ch);
}

void CheckBox::SetChecked(bool on) {
  checked = on;
  Paint();
}

bool CheckBox::ToggleByUser() {
  checked = !checked;
  // Paint flushes the display when its Painter goes, so the new look is on screen before the
  // command runs.
  Paint();
  const ElementWatch watch(this);
  ExecuteCommand(this);
  return static_cast<bool>(watch);
}

void CheckBox::Paint() {
  if (!CanPaint()) return;
  height = std::max(height, kMinimumHeight);
  Painter painter = FormPainter();
  if (!painter.IsValid()) return;
  const Rect box = FormBox();
  const Color back = BackColorFrom(Backdrop::Own);

  painter.FillBox(box, back);
  painter.PutImage(box.x + kGlyphInset, box.y + kGlyphInset, kGlyphSize, kGlyphSize,
                   glyphs.Get(painter.GetTarget().display, checked, enabled));
  painter.DrawTextBox(box.x + kCaptionLeft, box.y + 1, box.w - kCaptionRightMargin, box.h, text,
                      enabled ? foreColor : kDisabledText, back, TextAlign::Left);
  if (focused && enabled) {
    DrawFocusRectangle(painter, box.x + kCaptionLeft - 3, box.y + 2, box.Right() - 7, box.Bottom(),
                       foreColor);
  }
}

}  // namespace tessarin
