#include "dialogs/CompanionWindow.h"

#include "util/CharacterCodes.h"

CompanionWindow::CompanionWindow(Form* owner) : HandlerForm(true), owner(owner) {
  SetApplication(owner->GetApplication());
  SetTransientOwner(owner);
  AskForInputFocus();
}

bool CompanionWindow::FormKeyChar(char ch) {
  if (ch != kEscapeChar && ch != kReturnChar) return true;
  CloseWindow();
  return false;
}

void CompanionWindow::Open() {
  if (IsOpen()) {
    Show();
    return;
  }
  if (GetId() != 0) return;
  CenterOnOwner();
  HandlerForm::Open();
}

void CompanionWindow::CenterOnOwner() {
  const Point origin = owner->GetPosition();
  const Point size = owner->GetSize();
  MoveTo(origin.x + (size.x - width) / 2, origin.y + (size.y - height) / 2);
}

void CompanionWindow::CloseWindow() {
  if (!created || !ConfirmClose()) return;
  DestroyWindow();
  Close();
}
