#include "dialogs/FormMsgBox.h"

#include "app/Application.h"
#include "util/Log.h"
#include "widgets/ButtonCustom.h"
#include "widgets/CellControl.h"

namespace {
constexpr int kBoxWidth = 250;
constexpr int kBoxHeight = 150;
constexpr Color kBoxBackColor = 0xAAAAAA;
constexpr Color kLabelBackColor = 0xB7B7B7;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;
constexpr int kTabCode = 9;
constexpr int kReturnCode = 13;

FormMsgBox* AsBox(GUIElement* element) {
  return dynamic_cast<FormMsgBox*>(element);
}

void LoadBox(GUIElement* element, std::uint64_t) {
  if (FormMsgBox* box = AsBox(element)) box->LoadControls();
}
bool ClosingBox(GUIElement* element) {
  FormMsgBox* box = AsBox(element);
  return box == nullptr || box->ConfirmClose();
}
void ClosedBox(GUIElement* element) {
  if (FormMsgBox* box = AsBox(element)) box->FormClosed();
}
void ResizedBox(GUIElement* element) {
  if (FormMsgBox* box = AsBox(element)) box->FormResized();
}
bool KeyCharBox(GUIElement* element, char ch) {
  FormMsgBox* box = AsBox(element);
  return box == nullptr || box->FormKeyChar(ch);
}
void KeyDownBox(GUIElement* element, unsigned long) {
  if (FormMsgBox* box = AsBox(element)) box->FormKeyDown();
}
void KeyUpBox(GUIElement* element, unsigned long) {
  if (FormMsgBox* box = AsBox(element)) box->FormKeyUp();
}
// Presses on the box's own area only; its buttons answer through their command.
void MouseUpBox(GUIElement* element, std::uint64_t, Point) {
  if (FormMsgBox* box = AsBox(element)) box->FormMouseUp();
}
void MouseDownBox(GUIElement* element, std::uint64_t, Point) {
  if (FormMsgBox* box = AsBox(element)) box->FormMouseDown();
}
void ButtonPressed(GUIElement* sender) {
  if (FormMsgBox* box = AsBox(FindForm(sender))) box->CommandClicked(sender);
}

// Takes the current box out of the way of a new one for newOwner. Its window goes at once;
// the object only after the current event, because the caller may be running inside one of
// its callbacks (an owner's OnDialogResult that opens the next box).
void RetireCurrentBox(Form* newOwner) {
  Form* current = Application::CurrentMessageBox();
  if (current == nullptr) return;
  Application::SetCurrentMessageBox(nullptr);
  FormMsgBox* box = AsBox(current);
  if (box != nullptr && box->GetOwner() != newOwner) box->ReleaseOwner();
  current->DestroyWindow();
  Application::DeleteLater(current);
}

void OpenBox(std::uint32_t id, bool isQuestion, Form* owner, const std::string& message,
             const std::string& title) {
  if (owner == nullptr) owner = Application::FirstForm();
  RetireCurrentBox(owner);
  Application* app = owner != nullptr ? owner->GetApplication() : Application::Default();
  if (app == nullptr) {
    Log("FormMsgBox: no display for \"" + title + "\"");
    return;
  }
  Application::SetCurrentMessageBox(new FormMsgBox(id, isQuestion, app, owner, title, message));
}
}  // namespace

FormMsgBox::FormMsgBox(std::uint32_t id, bool isQuestion, Application* app, Form* owner,
                       const std::string& title, const std::string& message)
    : message(message), isQuestion(isQuestion), dialogId(id) {
  SetApplication(app);
  parent = owner;
  SetTransientOwner(owner);
  if (owner != nullptr) {
    ownerId = owner->GetId();
    owner->SetEnabled(false);
    owner->SetModalChild(this);
  }
  SetDialog(true);
  SetSize(kBoxWidth, kBoxHeight);
  CenterOnOwner(owner);
  SetTitle(title);
  InstallCallbacks();
  SetBackColor(kBoxBackColor);
  Create();
}

FormMsgBox::~FormMsgBox() {
  // A box that goes while still blocking its owner must not leave it disabled for good.
  ReleaseOwner();
  delete label;
  delete firstButton;
  delete secondButton;
}

Form* FormMsgBox::GetOwner() const {
  if (parent == nullptr) return nullptr;
  if (ownerId != 0) return dynamic_cast<Form*>(Application::FindElementById(ownerId));
  for (Form* form : Application::Forms()) {
    if (form == parent) return form;
  }
  return nullptr;
}

void FormMsgBox::ReleaseOwner() {
  Form* owner = GetOwner();
  if (owner == nullptr || owner->GetModalChild() != this) return;
  owner->SetEnabled(true);
  owner->SetModalChild(nullptr);
}

void FormMsgBox::CenterOnOwner(Form* owner) {
  if (owner == nullptr) {
    CenterOnScreen();
    return;
  }
  Point origin = owner->GetPosition();
  Point size = owner->GetSize();
  MoveTo(origin.x + (size.x - kBoxWidth) / 2, origin.y + (size.y - kBoxHeight) / 2);
}

void FormMsgBox::InstallCallbacks() {
  SetOnLoad(LoadBox);
  SetOnClosing(ClosingBox);
  SetOnClose(ClosedBox);
  SetOnResize(ResizedBox);
  SetOnKeyChar(KeyCharBox);
  SetOnKeyDown(KeyDownBox);
  SetOnKeyUp(KeyUpBox);
  SetOnMouseUp(MouseUpBox);
  SetOnMouseDown(MouseDownBox);
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
}

ButtonCustom* FormMsgBox::MakeButton(const std::string& caption, int left, int top) {
  auto* button = new ButtonCustom(this, caption);
  button->SetSize(kButtonWidth, kButtonHeight);
  button->MoveTo(left, top);
  button->SetCommand(ButtonPressed);
  button->Create();
  return button;
}

bool FormMsgBox::ConfirmClose() {
  Form* owner = GetOwner();
  if (owner == nullptr) return true;
  owner->SetEnabled(true);
  if (owner->GetModalChild() == this) owner->SetModalChild(nullptr);
  return true;
}

void FormMsgBox::FormClosed() {
  if (Form* owner = GetOwner()) owner->OnDialogResult(dialogId, result);
}

void FormMsgBox::FormResized() {}
bool FormMsgBox::FormKeyChar(char) {
  return true;
}
bool FormMsgBox::AcceptsKey(int code) {
  return code != kTabCode && code != kReturnCode;
}
void FormMsgBox::FormKeyDown() {}
void FormMsgBox::FormKeyUp() {}
void FormMsgBox::ReservedMsgA() {}
void FormMsgBox::FormMouseUp() {}
void FormMsgBox::FormMouseDown() {}
void FormMsgBox::ReservedMsgB() {}
void FormMsgBox::ReservedMsgC() {}

void FormMsgBox::CommandClicked(GUIElement* element) {
  if (!ConfirmClose()) return;
  if (element == firstButton) {
    result = isQuestion ? kDialogYes : kDialogOk;
  } else if (element == secondButton) {
    result = kDialogNo;
  }
  DestroyWindow();
  Close();
}

void FormMsgBox::ReservedMsgD() {}

void FormMsgBox::SetMessage(const std::string& text) {
  message = text;
  if (created && label != nullptr) label->SetText(text);
}

void ShowMessage(Form* owner, const std::string& message, const std::string& title) {
  OpenBox(0, false, owner, message, title);
}

void AskQuestion(std::uint32_t id, Form* owner, const std::string& message,
                 const std::string& title) {
  OpenBox(id, true, owner, message, title);
}
