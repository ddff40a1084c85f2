#include "widgets/CommandElement.h"

#include "app/Application.h"
#include "framework/GUIElement.h"

void CommandElement::ExecuteCommand(GUIElement* sender) {
  if (command != nullptr) command(sender);
}

bool CommandElement::ExecuteCommandSenderSurvives(GUIElement* sender) {
  // The id is read before the call: afterwards the sender may be gone, and another element may
  // even have taken its address. Ids are never reused, so the same address under the same id
  // is the same element.
  const std::uint32_t senderId = sender->GetId();
  ExecuteCommand(sender);
  return Application::IsAlive(sender, senderId);
}
