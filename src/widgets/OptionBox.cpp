#include "tessarin/widgets/OptionBox.h"

#include <X11/keysym.h>

#include <algorithm>

#include "tessarin/framework/ElementWatch.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/widgets/OptionRows.h"

namespace tessarin {

namespace {
// Measured from each row's last line, b: the mark one pixel inside the box with its top 19
// pixels above b; the caption 3 + 20 + 5 pixels in, from 24 pixels above b; the focus
// rectangle around the caption, from 23 pixels above b down to b, ending 6 pixels inside the
// box's right edge.
constexpr int kGlyphInset = 1;
constexpr int kGlyphRise = 19;
constexpr int kCaptionLeft = 3 + kGlyphSize + 5;
constexpr int kCaptionRightMargin = 30;
constexpr int kCaptionRise = 24;
constexpr int kFocusLeft = 25;
constexpr int kFocusRise = 23;
constexpr int kFocusRightInset = 5;

// Either list read at a row the getters allow; empty text when there is none.
std::string ReadRow(const std::vector<std::string>& list, int index) {
  const int row = ReadableOptionRow(index, static_cast<int>(list.size()));
  return row < 0 ? std::string() : list[static_cast<std::size_t>(row)];
}
}  // namespace

OptionBox::OptionBox(GUIElement* container)
    : Widget(container, {"optionbox", TabStop::Yes, 80, 30}) {}

void OptionBox::MouseUp(Point point) {
  if (enabled && !SelectByUser(OptionRowAt(point.y - FormBox().y, RowCount()))) return;
  Child::MouseUp(point);
}

void OptionBox::MouseDown(Point) {}

void OptionBox::KeyDown(unsigned long keysym) {
  if (!enabled || !focused) return;
  if (keysym == XK_Down) SelectByUser(NextOptionRow(selected, RowCount()));
  if (keysym == XK_Up) SelectByUser(PreviousOptionRow(selected, RowCount()));
}

bool OptionBox::KeyChar(char ch) {
  if (enabled && focused && ch == kSpaceChar &&
      !SelectByUser(NextOptionRow(selected, RowCount()))) {
    return true;
  }
  return Child::KeyChar(ch);
}

bool OptionBox::SelectByUser(int row) {
  selected = row;
  // Paint flushes the display when its Painter goes, so the new look is on screen before the
  // command runs.
  Paint();
  const ElementWatch watch(this);
  ExecuteCommand(this);
  return static_cast<bool>(watch);
}

int OptionBox::GetSelectedIndex() {
  return selected;
}

bool OptionBox::SetSelectedIndex(int index) {
  index = std::max(index, 0);
  if (index >= RowCount()) return false;
  selected = index;
  Paint();
  return true;
}

bool OptionBox::RemoveItem(int index) {
  if (index < 0 || index >= RowCount()) return false;
  const int oldCount = RowCount();
  captions.erase(captions.begin() + index);
  values.erase(values.begin() + index);
  selected = SelectionAfterRemoval(selected, oldCount);
  Paint();
  return true;
}

void OptionBox::AddItem(const std::string& caption, const std::string& value) {
  captions.push_back(caption);
  values.push_back(value);
  Paint();
}

int OptionBox::GetItemCount() {
  return RowCount();
}

std::string OptionBox::GetOptionCaption(int index) {
  return GetItemCaption(index);
}

std::string OptionBox::GetOptionValue(int index) {
  return GetItemValue(index);
}

std::string OptionBox::GetItemCaption(int index) {
  return ReadRow(captions, index);
}

std::string OptionBox::GetItemValue(int index) {
  return ReadRow(values, index);
}

bool OptionBox::RemoveNothing() {
  RemoveItem(-1);
  return false;
}

bool OptionBox::Clear() {
  captions.clear();
  values.clear();
  // A selection kept past the rows would point at nothing: the next row added would come up
  // selected without anyone choosing it.
  selected = -1;
  Paint();
  return true;
}

void OptionBox::SelectFirst() {
  if (captions.empty()) return;
  selected = 0;
  Paint();
}

void OptionBox::Paint() {
  if (!CanPaint()) return;
  height = std::max(height, OptionRowsHeight(RowCount()));
  Painter painter = FormPainter();
  if (!painter.IsValid()) return;
  const Rect box = FormBox();
  const Color back = BackColorFrom(Backdrop::Own);
  painter.FillBox(box, back);
  for (int row = 0; row < RowCount(); ++row) PaintRow(painter, row, back);
}

// Around its circle a mark is see-through, which here would show the background the box is
// filled with. Drawn on that background instead (back), the marks are blitted whole, with no
// read-back of the window: that made a paint cost two round trips a row.
void OptionBox::PaintRow(Painter& painter, int row, Color back) {
  const Rect box = FormBox();
  const int bottom = box.y + (row + 1) * kOptionRowHeight - 1;
  painter.PutImage(box.x + kGlyphInset, bottom - kGlyphRise, kGlyphSize, kGlyphSize,
                   glyphs.Get(painter.GetTarget().display, row == selected, enabled, back));
  painter.DrawTextBox(box.x + kCaptionLeft, bottom - kCaptionRise, box.w - kCaptionRightMargin,
                      kOptionRowHeight, captions[static_cast<std::size_t>(row)],
                      enabled ? foreColor : kDisabledText, back, TextAlign::Left);
  // With nothing selected the focus shows on the first row.
  const int focusRow = std::max(selected, 0);
  if (focused && enabled && row == focusRow) {
    DrawFocusRectangle(painter, box.x + kFocusLeft, bottom - kFocusRise,
                       box.Right() - kFocusRightInset, bottom, foreColor);
  }
}

}  // namespace tessarin
