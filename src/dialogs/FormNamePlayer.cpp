#include "tessarin/dialogs/FormNamePlayer.h"

#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/TextBoxCustom.h"

namespace tessarin {

namespace {
constexpr int kWindowWidth = 250;
constexpr int kWindowHeight = 115;
constexpr int kPromptTop = 15;
constexpr int kPromptHeight = 14;
constexpr int kNameTop = 45;
constexpr int kNameHeight = 20;
constexpr int kButtonTop = 80;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 28;
}  // namespace

std::string FormNamePlayer::lastPlayerName;

FormNamePlayer::FormNamePlayer(Form* owner, void* windowContext, const std::string& title)
    : ModalDialog(owner) {
  context = windowContext;
  lastPlayerName.clear();
  SetSize(kWindowWidth, kWindowHeight);
  SetTitle(title);
}

FormNamePlayer::FormNamePlayer(void* windowContext, const std::string& title)
    : FormNamePlayer(nullptr, windowContext, title) {}

FormNamePlayer::~FormNamePlayer() = default;

void FormNamePlayer::SetPrompt(const std::string& text) {
  prompt = text;
  if (created && promptLabel) promptLabel->SetText(text);
}

void FormNamePlayer::LoadControls() {
  const int w = GetActualWidth();
  promptLabel = std::make_unique<CellControl>(this);
  promptLabel->SetText(prompt);
  promptLabel->SetTextAlign(TextAlign::Center);
  promptLabel->SetSize(w, kPromptHeight);
  promptLabel->MoveTo(0, kPromptTop);
  promptLabel->Create();

  nameBox = std::make_unique<TextBoxCustom>(this, "");
  nameBox->SetSize(w / 2, kNameHeight);
  nameBox->MoveTo(w / 4, kNameTop);
  nameBox->SetMaxLength(kPlayerNameLength);
  nameBox->Create();

  okButton = std::make_unique<ButtonCustom>(this, "OK");
  okButton->SetSize(kButtonWidth, kButtonHeight);
  okButton->MoveTo((w - kButtonWidth) / 2, kButtonTop);
  okButton->SetCommand(CommandToThis());
  okButton->Create();

  nameBox->SetFocus();
  TakeKeyboard(nameBox.get());
}

bool FormNamePlayer::FormKeyChar(char ch) {
  if (ch != kReturnChar && ch != kDeleteChar) return true;
  Confirm();
  return false;
}

void FormNamePlayer::CommandClicked(GUIElement* element) {
  if (element != nullptr && okButton && element->GetId() == okButton->GetId()) Confirm();
}

void FormNamePlayer::Confirm() {
  // Return on the focused OK button reaches the button and then the window: the first answer
  // closes the window, and there is nothing left for the second.
  if (!created || !nameBox) return;
  const std::string name = nameBox->GetText();
  if (name.empty()) {
    Beep();
    nameBox->SetFocus();
    return;
  }
  if (!ConfirmClose()) return;
  lastPlayerName = name;
  DestroyWindow();
  Close();
}

}  // namespace tessarin
