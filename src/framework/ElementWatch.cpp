#include "framework/ElementWatch.h"

#include "app/Application.h"
#include "framework/GUIElement.h"

ElementWatch::ElementWatch(const GUIElement* watched) : element(watched), id(watched->GetId()) {}

ElementWatch::operator bool() const {
  return Application::IsAlive(element, id);
}
