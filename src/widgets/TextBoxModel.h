// The editing rules of the text box, free of X: the buffer of characters the box shows, the
// caret, what each key does to them in each mode and which keys are refused (the widget
// sounds the beep for a refusal). TextBoxCustom owns one model, routes keys and presses to it
// and draws the layout the model gives. The model owns its buffer.
//
// The buffer holds exactly maxLength characters, the text first and blanks after it; the
// characters 0 .. textLength - 1 are the text as edited, and 0 <= caret <= textLength <=
// maxLength always holds, so no edit reaches outside the buffer.
#pragma once

#include <string>

#include "tessarin/widgets/TextGrid.h"

namespace tessarin {

// The most characters a box may be asked to hold.
constexpr int kMaxTextLength = 65536;

enum class EditOutcome { Unchanged, Changed, Refused };

enum class CaretMove { Left, Right, Up, Down };

class TextBoxModel {
 public:
  // Before Allocate only; later calls are ignored, as the buffer keeps its size.
  void SetMaxLength(int length);
  int MaxLength() const { return maxLength; }

  // Gives the buffer its size (maxLength) and loads the text into it.
  void Allocate(const std::string& text);
  bool IsAllocated() const { return allocated; }
  // A single-line box takes the text up to its first line feed; either takes at most
  // maxLength characters. The caret goes after the text.
  void Load(const std::string& text);
  // The buffer's characters without the blanks (and line breaks) at their end.
  std::string Text() const;
  const std::string& Content() const { return buffer; }
  int Caret() const { return caret; }
  int TextLength() const { return textLength; }

  void SetGrid(const GridSize& size) { grid = size; }
  const GridSize& Grid() const { return grid; }
  CellLayout Layout() const;

  // Date mode accepts digits only and adds the "/" of a date; it limits the text to 10
  // characters (no more than the buffer holds, once allocated) and turns deleteClosesGap off.
  void SetDateMode(bool on);
  // Delete closing the gap works on lines: it turns multiLine on and date mode off.
  void SetDeleteClosesGap(bool on);
  void SetMultiLine(bool on) { multiLine = on; }
  void SetNumeric(bool on) { numeric = on; }
  void SetAllowDecimalPoint(bool on) { allowDecimalPoint = on; }
  void SetPassword(bool on) { password = on; }
  bool IsMultiLine() const { return multiLine; }
  bool IsDateMode() const { return dateMode; }
  bool IsNumeric() const { return numeric; }
  bool AllowsDecimalPoint() const { return allowDecimalPoint; }
  bool IsPassword() const { return password; }
  bool DeleteClosesGap() const { return deleteClosesGap; }

  // A typed character: Delete, Backspace, carriage return, Escape, other control characters
  // and printable ones.
  EditOutcome Type(char ch);
  EditOutcome MoveCaret(CaretMove move);
  // A press on a cell puts the caret on the character there, or after the text.
  void PlaceCaretAtCell(int cell);

 private:
  EditOutcome Delete();
  EditOutcome Backspace();
  EditOutcome TypePrintable(char ch);
  EditOutcome Overwrite(char ch);
  EditOutcome Insert(char ch);
  EditOutcome MoveVertically(int rowStep);
  bool AcceptsDecimalPoint(char ch) const;
  // The text as edited, trailing blanks included: the first textLength characters.
  std::string WorkingText() const;
  // Puts an edited text in the buffer; the caret is the caller's.
  void Store(const std::string& text);
  void LimitLength(int length);

  std::string buffer;
  bool allocated = false;
  int maxLength = 256;
  int caret = 0;
  int textLength = 0;
  GridSize grid;
  bool multiLine = false;
  bool dateMode = false;
  bool numeric = false;
  bool allowDecimalPoint = false;
  bool password = false;
  bool deleteClosesGap = false;
};

}  // namespace tessarin
