// The keys window: the main window's key table (game/KeyTable), its keys and mouse rules, in a
// table of cells laid out to hold every line whole. It does not block the main window. Its
// owner owns it; it owns its children.
#pragma once

#include <memory>
#include <vector>

#include "game/KeysWindowLayout.h"
#include "tessarin/dialogs/CompanionWindow.h"
#include "tessarin/graphics/Color.h"

namespace tessarin {
class ButtonCustom;
class CellControl;
}  // namespace tessarin

// The layout for the main window's key table in the shared font.
KeysWindowLayout LayOutKeysWindow();

class FormKeys : public tessarin::CompanionWindow {
 public:
  explicit FormKeys(tessarin::Form* owner);
  ~FormKeys() override;

  void LoadControls() override;
  void CommandClicked(tessarin::GUIElement* element) override;

  // The table's cells, row by row: the key, then what it does.
  const std::vector<std::unique_ptr<tessarin::CellControl>>& GetCells() const { return cells; }

 private:
  void AddCell(const KeysCell& place, tessarin::Color back);

  KeysWindowLayout layout;
  std::vector<std::unique_ptr<tessarin::CellControl>> cells;
  std::unique_ptr<tessarin::ButtonCustom> okButton;
};
