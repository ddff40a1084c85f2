// The keys window: the main window's key table (game/KeyTable), its keys and mouse rules, in a
// table of cells laid out to hold every line whole. It does not block the main window. Its
// owner owns it; it owns its children.
#pragma once

#include <memory>
#include <vector>

#include "dialogs/CompanionWindow.h"
#include "game/KeysWindowLayout.h"
#include "graphics/Color.h"

class ButtonCustom;
class CellControl;

// The layout for the main window's key table in the shared font.
KeysWindowLayout LayOutKeysWindow();

class FormKeys : public CompanionWindow {
 public:
  explicit FormKeys(Form* owner);
  ~FormKeys() override;

  void LoadControls() override;
  void CommandClicked(GUIElement* element) override;

  // The table's cells, row by row: the key, then what it does.
  const std::vector<std::unique_ptr<CellControl>>& GetCells() const { return cells; }

 private:
  void AddCell(const KeysCell& place, Color back);

  KeysWindowLayout layout;
  std::vector<std::unique_ptr<CellControl>> cells;
  std::unique_ptr<ButtonCustom> okButton;
};
