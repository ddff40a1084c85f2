#include "tessarin/widgets/TextBoxCustom.h"

#include <X11/keysym.h>

#include <algorithm>

#include "tessarin/app/Application.h"
#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/framework/ElementWatch.h"
#include "tessarin/framework/Form.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {

constexpr int kDefaultWidth = 80;
constexpr int kDefaultHeight = 30;
// Cells are a little wider and taller than the glyphs, so neighbours never touch.
constexpr int kCellExtraWidth = 2;
constexpr int kCellExtraHeight = 4;
// One row needs the line and the 3-pixel margins above and below it.
constexpr int kOneRowMargin = 6;
// Below the element font's size plus this a box is too low for its text.
constexpr int kFontHeightMargin = 10;
// What a full paint sends besides one request per glyph: the fill, the bevel and their
// colours; and what a changed cell sends: its fill and its glyph, each after its colour.
constexpr int kFullPaintOverhead = 10;
constexpr int kChangedCellCost = 3;

bool CaretMoveFor(unsigned long keysym, CaretMove& move) {
  switch (keysym) {
    case XK_Left:
      move = CaretMove::Left;
      return true;
    case XK_Right:
      move = CaretMove::Right;
      return true;
    case XK_Up:
      move = CaretMove::Up;
      return true;
    case XK_Down:
      move = CaretMove::Down;
      return true;
    default:
      return false;
  }
}

}  // namespace

bool TextBoxCustom::CellLook::operator==(const CellLook& other) const {
  // A blank cell is its background alone, whatever colour its text would have.
  return glyph == other.glyph && back == other.back && (glyph == ' ' || fore == other.fore);
}

TextBoxCustom::TextBoxCustom(GUIElement* container, const std::string& initialText)
    : Widget(container, {"TextBoxCustom", TabStop::Yes, kDefaultWidth, kDefaultHeight},
             TrimRight(initialText)) {
  backColor = kWhite;
  MeasureCells();
}

void TextBoxCustom::MeasureCells() {
  XFontStruct* shared = SharedFont();
  if (shared == nullptr) return;
  lineHeight = FontLineHeight(shared) + kCellExtraHeight;
  cellWidth = FontCharWidth(shared) + kCellExtraWidth;
  measured = true;
}

void TextBoxCustom::KeepOneRow() {
  if (lineHeight + kOneRowMargin - 1 >= height) height = lineHeight + kOneRowMargin;
}

void TextBoxCustom::UpdateGrid() {
  model.SetGrid(MeasureGrid(width, height, cellWidth, lineHeight));
  ForgetShownCells();
}

void TextBoxCustom::ForgetShownCells() {
  shownCells.assign(static_cast<std::size_t>(model.Grid().capacity),
                    CellLook{' ', TextColorNow(), BackColorNow()});
}

void TextBoxCustom::SetSize(int w, int h) {
  h = std::max(font.GetFontSize() + kFontHeightMargin, h);
  Widget::SetSize(w, std::max(h, lineHeight + kOneRowMargin));
}

void TextBoxCustom::Hide() {
  // What was typed stays the box's text: a box that is moved, resized or shown again is
  // rebuilt from its text, and the typing would otherwise be lost.
  if (created) text = model.Text();
  Widget::Hide();
}

void TextBoxCustom::Create() {
  if (created) return;
  // A box made before any form existed had no font to measure; there is one now.
  if (!measured) MeasureCells();
  KeepOneRow();
  model.Allocate(text);
  UpdateGrid();
  Widget::Create();
}

void TextBoxCustom::SetText(const std::string& newText) {
  const std::string before = GetText();
  text = newText;
  if (!created) return;
  model.Load(text);
  Paint();
  ReportEdit(before);
}

std::string TextBoxCustom::GetText() {
  if (created) text = model.Text();
  return text;
}

void TextBoxCustom::MouseUp(Point point) {
  const ElementWatch watch(this);
  Child::MouseUp(point);
  if (!watch || !created) return;
  const Rect box = FormBox();
  model.PlaceCaretAtCell(
      CellAt(model.Grid(), point.x - box.x, point.y - box.y, cellWidth, lineHeight));
  Refresh(false);
}

void TextBoxCustom::KeyDown(unsigned long keysym) {
  const ElementWatch watch(this);
  Child::KeyDown(keysym);
  if (!watch) return;
  // The caret moves in a read-only or disabled box too.
  CaretMove move;
  if (CaretMoveFor(keysym, move)) ApplyEdit(model.MoveCaret(move), model.Text());
}

bool TextBoxCustom::KeyChar(char ch) {
  if (!enabled || readOnly) return false;
  if (onKeyChar != nullptr) {
    const ElementWatch watch(this);
    if (!onKeyChar(this, ch)) return false;
    if (!watch) return true;
  }
  const std::string before = model.Text();
  ApplyEdit(model.Type(ch), before);
  return true;
}

void TextBoxCustom::ApplyEdit(EditOutcome outcome, const std::string& textBefore) {
  if (outcome == EditOutcome::Refused) Beep();
  if (outcome != EditOutcome::Changed) return;
  Refresh(false);
  ReportEdit(textBefore);
}

void TextBoxCustom::ReportEdit(const std::string& textBefore) {
  if (!onEdit || GetText() == textBefore) return;
  // A copy: the handler may destroy this box, and the stored callable with it.
  const EditHandler handler = onEdit;
  handler(*this);
}

void TextBoxCustom::SetFocus() {
  if (!created) return;
  Child::SetFocus();
  GotFocus();
  // The element focused until now loses the focus there.
  Application::SetFocusedElement(this);
}

void TextBoxCustom::GotFocus() {
  Child::GotFocus();
  Refresh(false);
}

void TextBoxCustom::LostFocus() {
  const ElementWatch watch(this);
  Child::LostFocus();
  if (watch) Refresh(false);
}

void TextBoxCustom::SetMultiLine(bool on) {
  model.SetMultiLine(on);
  RepaintIfCreated();
}

void TextBoxCustom::SetReadOnly(bool on) {
  readOnly = on;
  RepaintIfCreated();
}

void TextBoxCustom::SetNumeric(bool on) {
  model.SetNumeric(on);
  RepaintIfCreated();
}

void TextBoxCustom::SetAllowDecimalPoint(bool on) {
  model.SetAllowDecimalPoint(on);
  RepaintIfCreated();
}

void TextBoxCustom::SetPassword(bool on) {
  model.SetPassword(on);
  RepaintIfCreated();
}

void TextBoxCustom::SetDateMode(bool on) {
  model.SetDateMode(on);
  RepaintIfCreated();
}

void TextBoxCustom::SetAlignRight(bool on) {
  alignRight = on;
  if (on) alignCenter = false;
  RepaintIfCreated();
}

void TextBoxCustom::SetAlignCenter(bool on) {
  alignCenter = on;
  if (on) alignRight = false;
  RepaintIfCreated();
}

void TextBoxCustom::SetAlignLeft(bool on) {
  if (on) alignRight = alignCenter = false;
  RepaintIfCreated();
}

bool TextBoxCustom::ShowsCaret() const {
  return focused && enabled && !readOnly;
}

Color TextBoxCustom::TextColorNow() const {
  return enabled ? foreColor : kDisabledText;
}

Color TextBoxCustom::BackColorNow() const {
  return enabled ? BackColorFrom(Backdrop::Own) : kFallbackGrey;
}

TextAlign TextBoxCustom::CellAlign() const {
  if (model.IsMultiLine()) return TextAlign::Left;
  if (alignCenter) return TextAlign::Center;
  return alignRight ? TextAlign::Right : TextAlign::Left;
}

void TextBoxCustom::Paint() {
  if (!CanPaint()) return;
  KeepOneRow();
  // The fill below blanks every cell, as UpdateGrid takes them to be.
  UpdateGrid();
  {
    Painter painter = FormPainter();
    if (!painter.IsValid()) return;
    const Rect box = FormBox();
    painter.FillBox(box, BackColorNow());
    if (bordered) {
      painter.DrawBevel(box.x, box.y, box.w, box.h, kRaisedBevel);
      painter.DrawBevel(box.x + 1, box.y + 1, box.w - 2, box.h - 2, kSunkenBevel);
    }
  }
  Refresh(true);
}

void TextBoxCustom::Refresh(bool full) {
  RenderText(full, model.Caret());
}

void TextBoxCustom::RenderText(bool full, int /*from*/) {
  // Every cell is compared with what it shows, so where the change began needs no tracking.
  if (!CanPaint() || model.Grid().capacity == 0) return;
  const CellLayout layout = model.Layout();
  const int caretCell = ShowsCaret() ? layout.CellOf(model.Caret()) : -1;
  const Color fore = TextColorNow();
  const Color back = BackColorNow();
  const Rect box = FormBox();
  const auto wantedLook = [&](int cell) {
    return CellLook{layout.cells[cell].glyph, fore, cell == caretCell ? caretColor : back};
  };
  if (!full) {
    // An edit that moves much of the text (a character typed in front of it) is cheaper
    // painted whole: one fill for the box and a glyph per character.
    int changed = 0;
    int glyphs = 0;
    for (int cell = 0; cell < layout.grid.capacity; ++cell) {
      if (!(shownCells[cell] == wantedLook(cell))) ++changed;
      if (layout.cells[cell].glyph != ' ') ++glyphs;
    }
    if (kChangedCellCost * changed > glyphs + kFullPaintOverhead) {
      Paint();
      return;
    }
  }
  Painter painter = FormPainter();
  if (!painter.IsValid()) return;
  GlyphRun run;
  for (int cell = 0; cell < layout.grid.capacity; ++cell) {
    const CellLook wanted = wantedLook(cell);
    const bool redraw = full && cell < layout.usedCells;
    if (!redraw && shownCells[cell] == wanted) continue;
    if (JoinRun(run, box, cell, wanted)) continue;
    // What comes next is drawn after the run, in the order the cells were always drawn in.
    DrawRun(painter, run);
    if (!JoinRun(run, box, cell, wanted)) DrawCell(painter, box, cell, wanted);
  }
  DrawRun(painter, run);
}

bool TextBoxCustom::JoinRun(GlyphRun& run, const Rect& box, int cell, const CellLook& look) {
  const CellLook& shown = shownCells[cell];
  if (look.glyph == ' ' || shown.glyph != ' ' || shown.back != look.back) return false;
  const CellOffset at = CellOrigin(model.Grid(), cell, cellWidth, lineHeight);
  const int y = box.y + at.y;
  if (!run.xs.empty() && (y != run.y || look.fore != run.fore)) return false;
  run.y = y;
  run.fore = look.fore;
  run.xs.push_back(box.x + at.x);
  run.glyphs.push_back(look.glyph);
  shownCells[cell] = look;
  return true;
}

void TextBoxCustom::DrawRun(Painter& painter, GlyphRun& run) {
  if (run.xs.empty()) return;
  painter.DrawGlyphCells(run.xs, run.glyphs, run.y, cellWidth, lineHeight, run.fore, CellAlign());
  run.xs.clear();
  run.glyphs.clear();
}

void TextBoxCustom::DrawCell(Painter& painter, const Rect& box, int cell, const CellLook& look) {
  const CellOffset at = CellOrigin(model.Grid(), cell, cellWidth, lineHeight);
  const int x = box.x + at.x;
  const int y = box.y + at.y;
  // A cell that shows only the right background needs no fill: after a full paint's fill that
  // is most of them, and the fills were most of the requests.
  const CellLook& shown = shownCells[cell];
  const bool blankAlready = shown.glyph == ' ' && shown.back == look.back;
  if (look.glyph != ' ') {
    painter.DrawTextBox(x, y, cellWidth, lineHeight, std::string(1, look.glyph), look.fore,
                        blankAlready ? kNoColor : look.back, font, CellAlign());
  } else if (!blankAlready) {
    painter.FillBox({x, y, cellWidth, lineHeight}, look.back);
  }
  shownCells[cell] = look;
}

}  // namespace tessarin
