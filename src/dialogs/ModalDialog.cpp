#include "tessarin/dialogs/ModalDialog.h"

#include "tessarin/app/Application.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tessarin {

namespace {
// Every dialog from construction to destruction, so that a form can be told to be one.
std::vector<ModalDialog*>& LiveDialogs() {
  static std::vector<ModalDialog*> dialogs;
  return dialogs;
}
}  // namespace

ModalDialog::ModalDialog(Form* owner, DisplayHost* app) : HandlerForm(true) {
  LiveDialogs().push_back(this);
  if (app == nullptr) app = owner != nullptr ? owner->GetApplication() : Application::Default();
  SetApplication(app);
  parent = owner;
  // Tells the window manager to keep the dialog over its owner and out of the task bar.
  SetTransientOwner(owner);
  if (owner == nullptr) return;
  ownerId = owner->GetId();
  owner->SetEnabled(false);
  owner->SetModalChild(this);
}

ModalDialog::~ModalDialog() {
  // A dialog that goes while still blocking its owner must not leave it disabled for good.
  ReleaseOwner();
  auto& dialogs = LiveDialogs();
  dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
}

ModalDialog* ModalDialog::Find(const Form* form) {
  if (form == nullptr) return nullptr;
  for (ModalDialog* dialog : LiveDialogs()) {
    if (dialog == form) return dialog;
  }
  return nullptr;
}

void ModalDialog::SetResultHandler(std::function<void(int)> handler) {
  resultHandler = std::move(handler);
}

void ModalDialog::ReportResult(std::uint32_t dialogId, int result) {
  if (resultHandler) {
    // A copy: the handler may delete this dialog, and with it the stored callable.
    const std::function<void(int)> handler = resultHandler;
    handler(result);
    return;
  }
  if (Form* owner = GetOwner()) owner->OnDialogResult(dialogId, result);
}

bool ModalDialog::ConfirmClose() {
  ReleaseOwner();
  return true;
}

Form* ModalDialog::GetOwner() const {
  if (parent == nullptr) return nullptr;
  // Known by its id once it has one, else by its address, while it is registered.
  for (Form* form : Application::Forms()) {
    if (ownerId != 0 ? form->GetId() == ownerId : form == parent) return form;
  }
  return nullptr;
}

void ModalDialog::ReleaseOwner() {
  Form* owner = GetOwner();
  if (owner == nullptr) return;
  const Form* blocker = owner->GetModalChild();
  if (blocker != nullptr && blocker != this) return;
  owner->SetModalChild(nullptr);
  owner->SetEnabled(true);
}

void ModalDialog::CenterOnOwner() {
  Form* owner = GetOwner();
  if (owner == nullptr) {
    CenterOnScreen();
    return;
  }
  Point origin = owner->GetPosition();
  Point size = owner->GetSize();
  MoveTo(origin.x + (size.x - width) / 2, origin.y + (size.y - height) / 2);
}

void ModalDialog::CloseDialog() {
  if (!created) return;
  if (!ConfirmClose()) return;
  DestroyWindow();
  Close();
}

void ModalDialog::TakeKeyboard(GUIElement* element) {
  if (element == nullptr) return;
  if (Application::FocusedElement() != element) {
    Application::SetFocusedElement(element);
    element->GotFocus();
  }
  AskForInputFocus();
}

}  // namespace tessarin
