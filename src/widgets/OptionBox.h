// The option box: a whole group of mutually exclusive options in one element, a list of
// captioned rows with a round mark each, of which at most one is selected. A click on a row,
// Up and Down (wrapping) or Space (as Down) while it has the focus select a row and run its
// command with the box as the sender.
//
// It holds its rows (a caption and a value each) and owns the four pictures of its marks, made
// at its first paint. The form that builds an option box owns it.
#pragma once

#include <string>
#include <vector>

#include "tessarin/graphics/Color.h"
#include "tessarin/widgets/CommandElement.h"
#include "tessarin/widgets/GlyphArt.h"
#include "tessarin/widgets/Widget.h"

namespace tessarin {

class OptionBox : public Widget, public CommandElement {
 public:
  explicit OptionBox(GUIElement* parent);

  void MouseUp(Point point) override;
  // A press does nothing, nor does it reach the element's callback: the box answers the release.
  void MouseDown(Point point) override;
  // Up and Down move the selection; no key reaches the element's OnKeyDown.
  void KeyDown(unsigned long keysym) override;
  bool KeyChar(char ch) override;
  void Paint() override;

  // -1 when no row is selected.
  virtual int GetSelectedIndex();
  // A negative index selects the first row; one past the rows changes nothing and gives false.
  virtual bool SetSelectedIndex(int index);
  // False, changing nothing, for an index that is not a row.
  virtual bool RemoveItem(int index);
  virtual void AddItem(const std::string& caption, const std::string& value);
  virtual int GetItemCount();
  virtual std::string GetOptionCaption(int index);
  virtual std::string GetOptionValue(int index);
  // An index that is not a row reads the last row; an empty box gives empty text.
  virtual std::string GetItemCaption(int index);
  virtual std::string GetItemValue(int index);
  // Removes nothing: always false.
  virtual bool RemoveNothing();
  // Removes every row and leaves none selected.
  virtual bool Clear();
  // Selects the first row when there is one.
  virtual void SelectFirst();

 private:
  // The selection the user chose: shown, then announced. False when the command destroyed the
  // box.
  bool SelectByUser(int row);
  int RowCount() const { return static_cast<int>(captions.size()); }
  void PaintRow(Painter& painter, int row, Color back);

  std::vector<std::string> captions;
  std::vector<std::string> values;
  int selected = -1;
  GlyphSet glyphs{GlyphShape::OptionCircle};
};

}  // namespace tessarin
