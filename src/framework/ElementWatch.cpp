#include "framework/ElementWatch.h"

#include "framework/ElementRegistry.h"
#include "framework/GUIElement.h"

ElementWatch::ElementWatch(const GUIElement* watched) : element(watched), id(watched->GetId()) {}

ElementWatch::operator bool() const {
  return ElementRegistry::IsAlive(element, id);
}
