#include "framework/Child.h"

#include "app/Application.h"
#include "framework/Form.h"
#include "graphics/Color.h"

Child::Child() {
  isChild = true;
}

Child::~Child() {
  Application::RemoveWinForm(this);
}

Form* FindForm(GUIElement* element) {
  // A chain longer than the registry would be a cycle; stop rather than spin.
  std::size_t steps = Application::Elements().size() + 1;
  for (GUIElement* e = element; e != nullptr && steps-- > 0; e = e->GetParent()) {
    if (e->GetType() == "form") return static_cast<Form*>(e);
  }
  return nullptr;
}

Form* Child::GetParentForm() const {
  return FindForm(parent);
}

Point Child::GetAbsolutePosition(int px, int py) const {
  std::size_t steps = Application::Elements().size() + 1;
  for (GUIElement* container = parent; container != nullptr && steps-- > 0;
       container = container->GetParent()) {
    if (container->GetType() == "form") break;
    Point offset = container->GetPosition();
    px += offset.x;
    py += offset.y;
  }
  return {px, py};
}

std::int64_t Child::ContainerBackColor() const {
  if (parent != nullptr && parent->GetBackColor() != kNoColor) return parent->GetBackColor();
  Form* form = GetParentForm();
  if (form != nullptr && form->GetBackColor() != kNoColor) return form->GetBackColor();
  return kFallbackGrey;
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
