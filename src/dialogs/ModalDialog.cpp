#include "dialogs/ModalDialog.h"

#include "app/Application.h"

ModalDialog::ModalDialog(Form* owner, DisplayHost* app) : HandlerForm(true) {
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
}

bool ModalDialog::ConfirmClose() {
  ReleaseOwner();
  return true;
}

Form* ModalDialog::GetOwner() const {
  if (parent == nullptr) return nullptr;
  if (ownerId != 0) return dynamic_cast<Form*>(Application::FindElementById(ownerId));
  // An owner without an id yet is known only by its address, while it is registered.
  for (Form* form : Application::Forms()) {
    if (form == parent) return form;
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
  if (!ConfirmClose()) return;
  DestroyWindow();
  Close();
}
