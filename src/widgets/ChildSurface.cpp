#include "widgets/ChildSurface.h"

#include "app/Application.h"
#include "framework/Form.h"
#include "graphics/Painter.h"

bool CanPaintChild(Child& child) {
  if (Application::IsLoading() || !child.IsCreated()) return false;
  return child.GetParentForm() != nullptr;
}

void EraseChildArea(Child& child, std::int64_t color, int w, int h) {
  Form* form = child.GetParentForm();
  if (form == nullptr) return;
  Painter painter(form);
  if (!painter.IsValid()) return;
  Point at = child.GetAbsolutePosition();
  painter.FillRect(at.x, at.y, w, h, 0, 0, static_cast<Color>(color));
}

std::int64_t FormBackColor(const Child& child) {
  Form* form = child.GetParentForm();
  if (form != nullptr && form->GetBackColor() != kNoColor) return form->GetBackColor();
  return kFallbackGrey;
}
