// A dialog window that blocks its owner form while it is open. No dialog runs a loop of its
// own: constructing one disables the owner and makes the dialog the owner's modal child, and
// the owner is let go again when the dialog is confirmed closed or destroyed, unless another
// dialog has blocked it since. The owner is the dialog's parent and is looked up again by id,
// so a dialog may outlive it. The creator owns the dialog; the owner is never owned.
//
// A dialog also takes the keyboard: once its window shows it asks for the X input focus, and
// the element it names becomes the focused element. The owner gets the keyboard and its
// focused element back when the dialog's window goes and the owner is free again (Form).
//
// A dialog that answers (the message box) reports its result when it closes: to the handler
// its caller set, or else to the owner's OnDialogResult(id, result).
#pragma once

#include <cstdint>
#include <functional>

#include "tessarin/framework/HandlerForm.h"

namespace tessarin {

class ModalDialog : public HandlerForm {
 public:
  ~ModalDialog() override;

  // The live dialog that form is, or null when it is no dialog (or one already gone).
  static ModalDialog* Find(const Form* form);

  // Takes the answer instead of the owner's OnDialogResult; an empty handler restores that.
  void SetResultHandler(std::function<void(int result)> handler);

  // Lets the owner go (the OnClosing of every dialog); true.
  bool ConfirmClose() override;

  // The owner while it exists; null without one or once it has been destroyed.
  Form* GetOwner() const;
  // Enables the owner again and clears its modal child, if no other dialog blocks it now.
  void ReleaseOwner();

 protected:
  // A dialog of app, or of the owner's application when app is null, that blocks owner (which
  // may be null).
  ModalDialog(Form* owner, DisplayHost* app = nullptr);

  // Moves the dialog so that its current size is centred on the owner, or on the screen when
  // there is no owner.
  void CenterOnOwner();
  // Ends the dialog as an answer does: lets the owner go, destroys the window and runs Close.
  // Once the window is gone a second answer (Return reaching the button and then the window)
  // finds nothing left to close.
  void CloseDialog();

  // Makes element, a child of this dialog, the focused element, and asks for the X input
  // focus at the next paint, when the window manager has shown the window.
  void TakeKeyboard(GUIElement* element);

  // Hands result to the handler when one is set, else to the owner's
  // OnDialogResult(dialogId, result) while the owner exists.
  void ReportResult(std::uint32_t dialogId, int result);

 private:
  std::uint32_t ownerId = 0;
  std::function<void(int result)> resultHandler;
};

}  // namespace tessarin
