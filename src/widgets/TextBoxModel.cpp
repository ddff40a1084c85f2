#include "tessarin/widgets/TextBoxModel.h"

#include <algorithm>
#include <cctype>

#include "tessarin/util/CharacterCodes.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {

constexpr int kDateLength = 10;
constexpr int kDaySlash = 2;
constexpr int kMonthSlash = 5;
constexpr char kSlash = '/';
constexpr char kDecimalPoint = '.';
constexpr unsigned char kFirstPrintable = 32;

// Where a date's "/" stands: the caret never rests there.
bool IsSlashPlace(int index) {
  return index == kDaySlash || index == kMonthSlash;
}

bool IsDigit(char ch) {
  return std::isdigit(static_cast<unsigned char>(ch)) != 0;
}

// The digits of a date with its "/" again after the day and the month: every "/" is taken
// out, the trailing blanks too, and one goes in at index 2 and one at index 5 where the text
// reaches past them.
std::string MaskDate(const std::string& text) {
  std::string digits;
  for (char ch : text) {
    if (ch != kSlash) digits += ch;
  }
  digits = TrimRight(digits);
  // The month's "/" is placed after the day's, so it counts it: four digits give "dd/mm/".
  if (digits.size() > kDaySlash - 1u) digits.insert(kDaySlash, 1, kSlash);
  if (digits.size() > kMonthSlash - 1u) digits.insert(kMonthSlash, 1, kSlash);
  return digits;
}

}  // namespace

void TextBoxModel::SetMaxLength(int length) {
  if (allocated) return;
  maxLength = std::clamp(length, 0, kMaxTextLength);
}

void TextBoxModel::Allocate(const std::string& text) {
  allocated = true;
  Load(text);
}

void TextBoxModel::Load(const std::string& text) {
  std::string source = text;
  if (!multiLine) source = source.substr(0, source.find('\n'));
  const int length = std::min(maxLength, static_cast<int>(source.size()));
  Store(source.substr(0, static_cast<std::size_t>(length)));
  caret = textLength;
}

void TextBoxModel::Store(const std::string& text) {
  textLength = std::min(maxLength, static_cast<int>(text.size()));
  buffer.assign(static_cast<std::size_t>(maxLength), ' ');
  buffer.replace(0, static_cast<std::size_t>(textLength), text, 0,
                 static_cast<std::size_t>(textLength));
}

std::string TextBoxModel::Text() const {
  return TrimRight(buffer);
}

std::string TextBoxModel::WorkingText() const {
  return buffer.substr(0, static_cast<std::size_t>(textLength));
}

CellLayout TextBoxModel::Layout() const {
  return LayOutText(buffer, grid, password);
}

void TextBoxModel::LimitLength(int length) {
  if (!allocated) {
    SetMaxLength(length);
    return;
  }
  // The buffer keeps the size it was given: a longer limit would reach past its end.
  maxLength = std::min(length, static_cast<int>(buffer.size()));
  buffer.resize(static_cast<std::size_t>(maxLength));
  textLength = std::min(textLength, maxLength);
  caret = std::min(caret, textLength);
}

void TextBoxModel::SetDateMode(bool on) {
  dateMode = on;
  numeric = on;
  if (!on) return;
  LimitLength(kDateLength);
  deleteClosesGap = false;
}

void TextBoxModel::SetDeleteClosesGap(bool on) {
  deleteClosesGap = on;
  if (!on) return;
  multiLine = true;
  dateMode = false;
}

EditOutcome TextBoxModel::Type(char ch) {
  // Before Allocate there is no buffer to edit.
  if (!allocated) return EditOutcome::Unchanged;
  switch (ch) {
    case kDeleteChar:
      return Delete();
    case kBackspaceChar:
      return Backspace();
    case kReturnChar:
      // Only a multi-line box breaks lines, and without a word of refusal elsewhere.
      if (!multiLine || caret >= maxLength) return EditOutcome::Unchanged;
      return Insert(ch);
    case kEscapeChar:
      return EditOutcome::Unchanged;
    default:
      if (static_cast<unsigned char>(ch) < kFirstPrintable) return EditOutcome::Refused;
      return TypePrintable(ch);
  }
}

EditOutcome TextBoxModel::TypePrintable(char ch) {
  if (numeric && !IsDigit(ch) && !AcceptsDecimalPoint(ch)) return EditOutcome::Refused;
  if (caret >= maxLength) return EditOutcome::Refused;
  return multiLine ? Insert(ch) : Overwrite(ch);
}

bool TextBoxModel::AcceptsDecimalPoint(char ch) const {
  return ch == kDecimalPoint && allowDecimalPoint &&
         Text().find(kDecimalPoint) == std::string::npos;
}

EditOutcome TextBoxModel::Overwrite(char ch) {
  // The box never scrolls: a character whose cell lies outside it is not taken.
  if (!Layout().Fits(caret)) return EditOutcome::Refused;
  buffer[caret++] = ch;
  if (dateMode && IsSlashPlace(caret) && caret < maxLength && Layout().Fits(caret)) {
    buffer[caret++] = kSlash;
  }
  textLength = std::max(textLength, caret);
  return EditOutcome::Changed;
}

EditOutcome TextBoxModel::Insert(char ch) {
  std::string text = WorkingText();
  text.insert(static_cast<std::size_t>(caret), 1, ch);
  const int length = static_cast<int>(text.size());
  if (length > maxLength) return EditOutcome::Refused;
  // The cell after the text, where the caret may go next, must stay inside the box too.
  std::string content = text;
  content.resize(static_cast<std::size_t>(maxLength), ' ');
  if (!LayOutText(content, grid, password).Fits(length)) return EditOutcome::Refused;
  Store(text);
  ++caret;
  return EditOutcome::Changed;
}

EditOutcome TextBoxModel::Delete() {
  // The cell after the last one holds no character.
  if (caret >= maxLength) return EditOutcome::Unchanged;
  if (!deleteClosesGap) {
    buffer[caret] = ' ';
    return EditOutcome::Changed;
  }
  if (caret >= textLength) return EditOutcome::Unchanged;
  std::string text = WorkingText();
  text.erase(static_cast<std::size_t>(caret), 1);
  Store(text);
  return EditOutcome::Changed;
}

EditOutcome TextBoxModel::Backspace() {
  if (caret <= 0) return EditOutcome::Refused;
  // Just after a date's "/", the "/" and the digit before it go together.
  const bool afterSlash = dateMode && IsSlashPlace(caret - 1);
  const int newCaret = std::max(caret - (afterSlash ? 2 : 1), 0);
  const std::string text = WorkingText();
  std::string edited = text.substr(0, static_cast<std::size_t>(newCaret)) +
                       text.substr(static_cast<std::size_t>(std::min(caret, textLength)));
  if (dateMode) edited = MaskDate(edited);
  Store(edited);
  caret = std::min(newCaret, textLength);
  return EditOutcome::Changed;
}

EditOutcome TextBoxModel::MoveCaret(CaretMove move) {
  if (!allocated) return EditOutcome::Unchanged;
  switch (move) {
    case CaretMove::Right:
      if (caret >= textLength) return EditOutcome::Refused;
      ++caret;
      if (dateMode && IsSlashPlace(caret)) caret = std::min(caret + 1, textLength);
      return EditOutcome::Changed;
    case CaretMove::Left:
      caret = std::max(caret - 1, 0);
      if (dateMode && IsSlashPlace(caret)) --caret;
      return EditOutcome::Changed;
    case CaretMove::Down:
      return multiLine ? MoveVertically(1) : EditOutcome::Unchanged;
    case CaretMove::Up:
      return multiLine ? MoveVertically(-1) : EditOutcome::Unchanged;
  }
  return EditOutcome::Unchanged;
}

EditOutcome TextBoxModel::MoveVertically(int rowStep) {
  const CellLayout layout = Layout();
  const int cell = layout.CellOf(caret);
  if (cell < 0) return EditOutcome::Refused;
  const int target = cell + rowStep * grid.columns;
  if (target < 0 || target >= grid.capacity) return EditOutcome::Refused;
  // Down stops at the text's end; a line break's cells hold its index, so a shorter line is
  // reached at its end.
  const int index = layout.cells[target].index;
  if (index >= textLength) return EditOutcome::Refused;
  caret = index;
  return EditOutcome::Changed;
}

void TextBoxModel::PlaceCaretAtCell(int cell) {
  if (!allocated || cell < 0 || cell >= grid.capacity) return;
  const CellLayout layout = Layout();
  caret = std::min(layout.cells[cell].index, textLength);
  if (dateMode && IsSlashPlace(caret)) --caret;
}

}  // namespace tessarin
