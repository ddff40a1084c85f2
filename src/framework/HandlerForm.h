// A form that answers events through virtual operations instead of plain callbacks. It fills
// its own callback slots with forwarders to the operations below, and offers two forwarders
// for the children it builds (a command, a press), which find the child's form and call its
// operation. A concrete window thus overrides functions and writes no trampolines; what it
// does not override does nothing.
#pragma once

#include <cstdint>

#include "framework/Form.h"

class HandlerForm : public Form {
 public:
  explicit HandlerForm(bool isDialog = false);

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

  // The command callback for children: the sender's form's CommandClicked(sender).
  static void ForwardCommand(GUIElement* sender);
  // The OnMouseDown callback for children: the sender's form's ChildMouseDown(sender).
  static void ForwardChildMouseDown(GUIElement* sender, std::uint64_t tag, Point point);
};
