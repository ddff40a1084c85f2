// The mix-in that makes an element a command source: one callback, run when it is activated.
//
// Buttons, check boxes and option boxes inherit it after their Child part. The callback is a
// plain function, not owned; the element passes itself as the sender.
#pragma once

class GUIElement;

using CommandCallback = void (*)(GUIElement* sender);

class CommandElement {
 public:
  // Null clears the command.
  void SetCommand(CommandCallback callback) { command = callback; }
  CommandCallback GetCommand() const { return command; }
  void ExecuteCommand(GUIElement* sender);
  // Runs the command and tells whether the sender still exists afterwards: a command may
  // destroy the element that sent it, and then its caller must not touch it again.
  bool ExecuteCommandSenderSurvives(GUIElement* sender);

 protected:
  CommandCallback command = nullptr;
};
