// The settings window (F3): the board's size and whether a click slides a whole row, shown as
// they stand when the window opens. It does not block the main window. OK and Return hand the
// choice to the confirm callback once the window has closed; Cancel, Escape and the window
// manager close it with nothing changed. Its owner owns it; it owns its children.
#pragma once

#include <functional>
#include <memory>

#include "game/GameSettings.h"
#include "tessarin/dialogs/CompanionWindow.h"

namespace tessarin {
class ButtonCustom;
class CheckBox;
class OptionBox;
class PanelChildren;
}  // namespace tessarin

class FormSettings : public tessarin::CompanionWindow {
 public:
  using Confirm = std::function<void(const GameSettings& chosen)>;

  FormSettings(tessarin::Form* owner, const GameSettings& current, Confirm confirm);
  ~FormSettings() override;

  void LoadControls() override;
  void CommandClicked(tessarin::GUIElement* element) override;
  bool FormKeyChar(char ch) override;

  tessarin::OptionBox* GetSizeBox() const { return sizeBox.get(); }
  tessarin::CheckBox* GetRowSlidesBox() const { return rowSlidesBox.get(); }
  tessarin::ButtonCustom* GetOkButton() const { return okButton.get(); }
  tessarin::ButtonCustom* GetCancelButton() const { return cancelButton.get(); }

 private:
  void BuildSizeBox();
  std::unique_ptr<tessarin::ButtonCustom> BuildButton(const char* caption, int left);
  // Closes the window, then hands over what it shows.
  void ConfirmChoice();
  GameSettings Chosen() const;

  GameSettings current;
  Confirm confirm;
  int checkBoxWidth;
  std::unique_ptr<tessarin::PanelChildren> sizePanel;
  std::unique_ptr<tessarin::OptionBox> sizeBox;
  std::unique_ptr<tessarin::CheckBox> rowSlidesBox;
  std::unique_ptr<tessarin::ButtonCustom> okButton;
  std::unique_ptr<tessarin::ButtonCustom> cancelButton;
};
