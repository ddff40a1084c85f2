#include "tessarin/framework/Child.h"

#include "tessarin/framework/ElementRegistry.h"
#include "tessarin/framework/Form.h"

namespace tessarin {

Child::Child() {
  isChild = true;
}

Child::~Child() {
  ElementRegistry::RemoveWinForm(this);
}

Form* FindForm(GUIElement* element) {
  // A chain longer than the registry would be a cycle; stop rather than spin.
  std::size_t steps = ElementRegistry::Elements().size() + 1;
  for (GUIElement* e = element; e != nullptr && steps-- > 0; e = e->GetParent()) {
    if (e->GetType() == "form") return static_cast<Form*>(e);
  }
  return nullptr;
}

Form* Child::GetParentForm() const {
  return FindForm(parent);
}

Point Child::GetAbsolutePosition(int px, int py) const {
  std::size_t steps = ElementRegistry::Elements().size() + 1;
  for (GUIElement* container = parent; container != nullptr && steps-- > 0;
       container = container->GetParent()) {
    if (container->GetType() == "form") break;
    Point offset = container->GetPosition();
    px += offset.x;
    py += offset.y;
  }
  return {px, py};
}

Color Child::BackColorFrom(Backdrop start) const {
  if (start == Backdrop::Own && backColor != kNoColor) return static_cast<Color>(backColor);
  if (start != Backdrop::Form && parent != nullptr && parent->GetBackColor() != kNoColor) {
    return static_cast<Color>(parent->GetBackColor());
  }
  Form* form = GetParentForm();
  return ColorOrGrey(form != nullptr ? form->GetBackColor() : kNoColor);
}

void Child::ReplaceBox(int newX, int newY, int w, int h) {
  const bool redraw = created;
  if (redraw) Hide();
  x = newX;
  y = newY;
  width = w;
  height = h;
  if (redraw) Show();
}

}  // namespace tessarin
