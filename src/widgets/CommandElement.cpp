#include "widgets/CommandElement.h"

void CommandElement::ExecuteCommand(GUIElement* sender) {
  if (command != nullptr) command(sender);
}
