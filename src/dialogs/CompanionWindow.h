// A window that stands beside its owner without blocking it: the owner stays enabled and
// keeps answering the player while the companion is open. It is a dialog-type window kept
// above its owner (WM_TRANSIENT_FOR), opens where it hides nothing the owner shows whenever
// the screen has room for that, asks for the X input focus once it shows, and closes with
// Escape, Return or the window manager. Closing destroys only the X window, which gives the
// owner the keyboard back (Form); the object stays with its creator. The owner, never null,
// must outlive the companion.
//
// The companion takes no element focus from its owner: the owner's focused button keeps its
// look, so nothing in the owner changes while the companion comes and goes.
#pragma once

#include "tessarin/framework/HandlerForm.h"

namespace tessarin {

class CompanionWindow : public HandlerForm {
 public:
  // True while the window exists on the server.
  bool IsOpen() const { return created; }
  // Creates and shows the window beside its owner, or brings it to the front with the
  // keyboard when it is open already. A closed window is not opened again: its owner makes a
  // new one.
  void Open() override;

  bool FormKeyChar(char ch) override;

 protected:
  explicit CompanionWindow(Form* owner);

  Form* GetOwner() const { return owner; }
  // Ends the window as Escape does.
  void CloseWindow();

 private:
  // Moves the window where it covers nothing the owner shows (CompanionPlacement).
  void PlaceBesideOwner();

  Form* owner;
};

}  // namespace tessarin
