// The keys window: every key of the main window and the mouse rules, in a table of cells. It
// does not block the main window. Its owner owns it; it owns its children.
#pragma once

#include <memory>
#include <vector>

#include "dialogs/CompanionWindow.h"

class ButtonCustom;
class CellControl;

class FormKeys : public CompanionWindow {
 public:
  explicit FormKeys(Form* owner);
  ~FormKeys() override;

  void LoadControls() override;
  void CommandClicked(GUIElement* element) override;

  // The table's cells, row by row: the key, then what it does.
  const std::vector<std::unique_ptr<CellControl>>& GetCells() const { return cells; }

 private:
  CellControl* AddCell(const char* text, int left, int top, int w);

  std::vector<std::unique_ptr<CellControl>> cells;
  std::unique_ptr<ButtonCustom> okButton;
};
