// A form that answers events through virtual operations instead of plain callbacks. It fills
// its own callback slots with forwarders to the operations below, hands its children a command
// that calls its CommandClicked, and offers a press forwarder for children, which finds the
// child's form and calls its ChildMouseDown. A concrete window thus overrides functions and
// writes no trampolines; what it does not override does nothing.
#pragma once

#include <cstdint>
#include <functional>

#include "tessarin/framework/Form.h"

namespace tessarin {

class HandlerForm : public Form {
 public:
  explicit HandlerForm(bool isDialog = false);
  ~HandlerForm() override;

  // The window's own events: OnLoad, OnClosing, OnClose, OnResize, the keys, the presses.
  virtual void LoadControls();
  // True lets a window-manager close go ahead.
  virtual bool ConfirmClose();
  virtual void FormClosed();
  virtual void FormResized();
  // False tells the loop the character was used.
  virtual bool FormKeyChar(char ch);
  virtual void FormKeyDown(unsigned long keysym);
  virtual void FormKeyUp(unsigned long keysym);
  virtual void FormMouseDown();
  virtual void FormMouseUp();
  // A child's command ran (a button was clicked), or a child without a press behaviour of its
  // own was pressed.
  virtual void CommandClicked(GUIElement* element);
  virtual void ChildMouseDown(GUIElement* element);

  // The command for this form's buttons and boxes: this form's CommandClicked(sender).
  std::function<void(GUIElement* sender)> CommandToThis();
  // The OnMouseDown callback for children: the sender's form's ChildMouseDown(sender). A press
  // slot is a plain function, so the form is found from the sender.
  static void ForwardChildMouseDown(GUIElement* sender, std::uint64_t tag, Point point);
};

}  // namespace tessarin
