// The mix-in that makes an element a command source: one callback, run when it is activated.
//
// Buttons, check boxes and option boxes inherit it after their Child part. The callback is a
// plain function, not owned; the element passes itself as the sender. A command may destroy
// its sender, so a sender that goes on afterwards watches itself (ElementWatch) across the call.
#pragma once

class GUIElement;

using CommandCallback = void (*)(GUIElement* sender);

class CommandElement {
 public:
  // Null clears the command.
  void SetCommand(CommandCallback callback) { command = callback; }
  CommandCallback GetCommand() const { return command; }
  void ExecuteCommand(GUIElement* sender) {
    if (command != nullptr) command(sender);
  }

 protected:
  CommandCallback command = nullptr;
};
