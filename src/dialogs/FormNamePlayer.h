// The name window: a 250 x 115 dialog with a centred prompt, a ten-character text box and an
// OK button. OK, Enter or Delete confirms a name that is not blank; the name then waits in
// LastPlayerName() for whoever opened the window, and the window goes. A blank name beeps and
// keeps the window open. Closing it through the window manager confirms nothing.
//
// The window is created by the caller's Show(), not by its constructor, and is not centred.
// It blocks its owner while open. The caller owns the dialog; the dialog owns its children.
#pragma once

#include <memory>
#include <string>

#include "tessarin/dialogs/ModalDialog.h"

namespace tessarin {

class ButtonCustom;
class CellControl;
class TextBoxCustom;

constexpr int kPlayerNameLength = 10;

class FormNamePlayer : public ModalDialog {
 public:
  FormNamePlayer(Form* owner, void* context, const std::string& title);
  FormNamePlayer(void* context, const std::string& title);
  ~FormNamePlayer() override;

  void LoadControls() override;
  // Enter and Delete act as OK.
  bool FormKeyChar(char ch) override;
  void CommandClicked(GUIElement* element) override;

  // The prompt shows once the window is built; set before Show, or at any time after.
  void SetPrompt(const std::string& text);

  // The last name confirmed in any name window; emptied by each new window.
  static const std::string& LastPlayerName() { return lastPlayerName; }

  CellControl* GetPromptLabel() const { return promptLabel.get(); }
  TextBoxCustom* GetNameBox() const { return nameBox.get(); }
  ButtonCustom* GetOkButton() const { return okButton.get(); }

 private:
  void Confirm();

  std::unique_ptr<TextBoxCustom> nameBox;
  std::unique_ptr<CellControl> promptLabel;
  std::unique_ptr<ButtonCustom> okButton;
  std::string prompt;

  static std::string lastPlayerName;
};

}  // namespace tessarin
