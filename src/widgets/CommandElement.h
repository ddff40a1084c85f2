// The mix-in that makes an element a command source: one callback, run when it is activated.
//
// Buttons, check boxes and option boxes inherit it after their Child part. The callback is any
// callable taking the sender, so a form hands in a lambda that captures itself and needs no
// search for the receiver; a plain function still fits. The element passes itself as the
// sender. A command may destroy its sender, so a sender that goes on afterwards watches itself
// (ElementWatch) across the call.
#pragma once

#include <functional>
#include <utility>

namespace tessarin {

class GUIElement;

using CommandCallback = std::function<void(GUIElement* sender)>;

class CommandElement {
 public:
  // An empty callback clears the command.
  void SetCommand(CommandCallback callback) { command = std::move(callback); }
  const CommandCallback& GetCommand() const { return command; }
  void ExecuteCommand(GUIElement* sender) {
    // A copy, so that a command that replaces or clears itself, or deletes its sender, does
    // not destroy the callable while it runs.
    if (!command) return;
    CommandCallback running = command;
    running(sender);
  }

 protected:
  CommandCallback command;
};

}  // namespace tessarin
