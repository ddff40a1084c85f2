#include "tessarin/dialogs/FormMsgBox.h"

#include <utility>

#include "tessarin/app/Application.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/util/Log.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"

namespace tessarin {

namespace {
constexpr int kBoxWidth = 250;
constexpr int kBoxHeight = 150;
constexpr Color kBoxBackColor = 0xAAAAAA;
constexpr Color kLabelBackColor = 0xB7B7B7;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;

// Takes the current box out of the way of a new one for newOwner. Its window goes at once;
// the object only after the current event, because the caller may be running inside one of
// its callbacks (an owner's OnDialogResult that opens the next box).
void RetireCurrentBox(Form* newOwner) {
  Form* current = Application::CurrentMessageBox();
  if (current == nullptr) return;
  Application::SetCurrentMessageBox(nullptr);
  ModalDialog* box = ModalDialog::Find(current);
  if (box != nullptr && box->GetOwner() != newOwner) box->ReleaseOwner();
  current->DestroyWindow();
  Application::DeleteLater(current);
}

void OpenBox(std::uint32_t id, bool isQuestion, Form* owner, const std::string& message,
             const std::string& title, DialogResultHandler onResult) {
  if (owner == nullptr) owner = Application::FirstForm();
  RetireCurrentBox(owner);
  DisplayHost* app = owner != nullptr ? owner->GetApplication() : Application::Default();
  if (app == nullptr) {
    Log("FormMsgBox: no display for \"" + title + "\"");
    return;
  }
  auto* box = new FormMsgBox(id, isQuestion, app, owner, title, message);
  box->SetResultHandler(std::move(onResult));
  Application::SetCurrentMessageBox(box);
}
}  // namespace

FormMsgBox::FormMsgBox(std::uint32_t id, bool isQuestion, DisplayHost* app, Form* owner,
                       const std::string& title, const std::string& message)
    : ModalDialog(owner, app), message(message), isQuestion(isQuestion), dialogId(id) {
  SetSize(kBoxWidth, kBoxHeight);
  CenterOnOwner();
  SetTitle(title);
  SetBackColor(kBoxBackColor);
  Create();
}

FormMsgBox::~FormMsgBox() {
  delete label;
  delete firstButton;
  delete secondButton;
}

void FormMsgBox::Setup(std::uint32_t newId, bool question, const std::string& title,
                       const std::string& text) {
  dialogId = newId;
  isQuestion = question;
  SetTitle(title);
  SetMessage(text);
}

void FormMsgBox::LoadControls() {
  if (label != nullptr) return;
  Point size = GetSize();
  label = new CellControl(this);
  label->MoveTo(kMargin, kMargin);
  label->SetBorder(true);
  label->SetBackColor(kLabelBackColor);
  label->SetTextColor(kBlack);
  label->SetText(message);
  label->SetSize(size.x - 2 * kMargin, size.y - 60);
  label->Create();

  int buttonTop = size.y - 40;
  firstButton = MakeButton(isQuestion ? "YES" : "OK", size.x - 120, buttonTop);
  secondButton = MakeButton("NO", kMargin, buttonTop);
  // An OK box shows a single button, at the right.
  if (!isQuestion) secondButton->Hide();
  // Return answers with the first button, as a click on it does.
  TakeKeyboard(firstButton);
}

ButtonCustom* FormMsgBox::MakeButton(const std::string& caption, int left, int top) {
  auto* button = new ButtonCustom(this, caption);
  button->SetSize(kButtonWidth, kButtonHeight);
  button->MoveTo(left, top);
  button->SetCommand(CommandToThis());
  button->Create();
  return button;
}

void FormMsgBox::FormClosed() {
  ReportResult(dialogId, result);
}

bool FormMsgBox::AcceptsKey(int code) {
  return code != kTabChar && code != kReturnChar;
}

void FormMsgBox::ReservedMsgA() {}
void FormMsgBox::ReservedMsgB() {}
void FormMsgBox::ReservedMsgC() {}
void FormMsgBox::ReservedMsgD() {}

void FormMsgBox::CommandClicked(GUIElement* element) {
  if (element == firstButton) {
    result = isQuestion ? kDialogYes : kDialogOk;
  } else if (element == secondButton) {
    result = kDialogNo;
  }
  CloseDialog();
}

void FormMsgBox::SetMessage(const std::string& text) {
  message = text;
  if (created && label != nullptr) label->SetText(text);
}

void ShowMessage(Form* owner, const std::string& message, const std::string& title,
                 DialogResultHandler onResult) {
  OpenBox(0, false, owner, message, title, std::move(onResult));
}

void AskQuestion(std::uint32_t id, Form* owner, const std::string& message,
                 const std::string& title, DialogResultHandler onResult) {
  OpenBox(id, true, owner, message, title, std::move(onResult));
}

}  // namespace tessarin
