#include "tessarin/framework/ElementWatch.h"

#include "tessarin/framework/ElementRegistry.h"
#include "tessarin/framework/GUIElement.h"

namespace tessarin {

ElementWatch::ElementWatch(const GUIElement* watched) : element(watched), id(watched->GetId()) {}

ElementWatch::operator bool() const {
  return ElementRegistry::IsAlive(element, id);
}

}  // namespace tessarin
