// The text entry: its text laid out on a grid of equal character cells inside a sunken frame,
// with a block caret (a cell on the caret colour). A single-line box overwrites the character
// under the caret; a multi-line box inserts and breaks lines on Return. It may accept digits
// only (with one decimal point), a date with its "/" added, or hide what is typed behind "*".
// It never scrolls: a key that would take the text outside the box is refused with the beep.
//
// The editing rules live in TextBoxModel; this widget routes keys and presses to it and draws
// the cells, remembering what each cell shows so that an edit repaints only the cells that
// changed. The form that builds a box owns it; the box owns its model and cell records.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/TextPlacement.h"
#include "tessarin/widgets/TextBoxModel.h"
#include "tessarin/widgets/Widget.h"

namespace tessarin {

constexpr Color kDefaultCaretColor = 0xFFFF00;

class TextBoxCustom : public Widget {
 public:
  TextBoxCustom(GUIElement* parent, const std::string& initialText);

  void SetSize(int w, int h) override;
  void Hide() override;
  void SetText(const std::string& newText) override;
  // Once created, the text is what the box shows, without trailing blanks.
  std::string GetText() override;
  void MouseUp(Point point) override;
  void KeyDown(unsigned long keysym) override;
  bool KeyChar(char ch) override;
  // Takes the process's keyboard focus from whichever element holds it.
  void SetFocus() override;
  void Paint() override;
  void GotFocus() override;
  void LostFocus() override;
  void Create() override;

  // The operations the text box adds, in their fixed order. Every edit redraws through
  // Refresh(false).
  virtual void Refresh(bool full);
  // Draws the cells that differ from what they show (every cell the text reaches when full).
  virtual void RenderText(bool full, int from);

  // Told of every change of the text as it happens: a character typed or deleted, a date's "/"
  // put in, a SetText that changes it. OnChange, by contrast, tells once, when the box loses the
  // focus with a text other than it had. The handler may destroy the box.
  using EditHandler = std::function<void(TextBoxCustom& box)>;
  void SetOnEdit(EditHandler handler) { onEdit = std::move(handler); }

  // Shown from the next edit or paint.
  void SetForeColor(Color color) override { foreColor = color; }
  void SetCaretColor(Color color) { caretColor = color; }
  void SetBordered(bool on) { bordered = on; }
  // Before the first Create only.
  void SetMaxLength(int length) { model.SetMaxLength(length); }
  void SetMultiLine(bool on);
  void SetReadOnly(bool on);
  void SetNumeric(bool on);
  void SetAllowDecimalPoint(bool on);
  void SetPassword(bool on);
  void SetDateMode(bool on);
  void SetDeleteClosesGap(bool on) { model.SetDeleteClosesGap(on); }
  void SetAlignRight(bool on);
  void SetAlignCenter(bool on);
  void SetAlignLeft(bool on);
  void Repaint() { RepaintIfCreated(); }

  Color GetCaretColor() const { return caretColor; }
  bool IsBordered() const { return bordered; }
  bool IsReadOnly() const { return readOnly; }
  bool IsAlignRight() const { return alignRight; }
  bool IsAlignCenter() const { return alignCenter; }
  const TextBoxModel& GetModel() const { return model; }
  int GetLineHeight() const { return lineHeight; }
  int GetCellWidth() const { return cellWidth; }

 private:
  // What a cell shows on screen.
  struct CellLook {
    char glyph = ' ';
    Color fore = kBlack;
    Color back = kWhite;
    bool operator==(const CellLook& other) const;
  };

  void MeasureCells();
  // A box lower than one line is raised to one.
  void KeepOneRow();
  // Measures the grid again; the cells are taken to show a blank on the background.
  void UpdateGrid();
  // Every cell as the background fill of Paint leaves it.
  void ForgetShownCells();
  void ApplyEdit(EditOutcome outcome, const std::string& textBefore);
  // Tells the edit handler when the text is no longer textBefore.
  void ReportEdit(const std::string& textBefore);
  bool ShowsCaret() const;
  Color TextColorNow() const;
  Color BackColorNow() const;
  TextAlign CellAlign() const;
  void DrawCell(Painter& painter, const Rect& box, int cell, const CellLook& look);

  // Glyphs for cells that already show their background, gathered along one row so that
  // they go to the server in one request.
  struct GlyphRun {
    int y = 0;
    Color fore = kNoColor;
    std::vector<int> xs;
    std::string glyphs;
  };
  // Adds the cell to the run when it needs only its glyph and fits the run's row and colour.
  bool JoinRun(GlyphRun& run, const Rect& box, int cell, const CellLook& look);
  void DrawRun(Painter& painter, GlyphRun& run);

  TextBoxModel model;
  Color caretColor = kDefaultCaretColor;
  bool readOnly = false;
  bool alignRight = false;
  bool alignCenter = false;
  bool bordered = true;
  int lineHeight = 0;
  int cellWidth = 0;
  bool measured = false;
  std::vector<CellLook> shownCells;
  EditHandler onEdit;
};

}  // namespace tessarin
