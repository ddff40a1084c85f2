#include "tessarin/widgets/Widget.h"

#include "tessarin/app/Application.h"
#include "tessarin/framework/ElementWatch.h"
#include "tessarin/framework/Form.h"

namespace tessarin {

Widget::Widget(GUIElement* container, const WidgetKind& kind, const std::string& caption) {
  type = kind.type;
  focusable = kind.tabStop == TabStop::Yes;
  drawable = true;
  parent = container;
  text = caption;
  width = kind.width;
  height = kind.height;
}

void Widget::SetSize(int w, int h) {
  ReplaceBox(x, y, w, h);
}

void Widget::SetPosition(int newX, int newY) {
  ReplaceBox(newX, newY, width, height);
}

void Widget::Show() {
  Child::Show();
  Paint();
}

void Widget::ShowAndMap() {
  Show();
}

void Widget::Hide() {
  if (!created) return;
  Erase();
  Child::Hide();
  created = false;
}

void Widget::Create() {
  if (created) return;
  AssignIdIfMissing();
  created = true;
  visible = true;
}

void Widget::GotFocus() {
  const ElementWatch watch(this);
  Child::GotFocus();
  if (watch && focusable) Paint();
}

void Widget::LostFocus() {
  const ElementWatch watch(this);
  Child::LostFocus();
  if (!watch || !focusable) return;
  ReleaseFocusHold();
  Paint();
}

void Widget::Enable(bool on) {
  enabled = on;
  RepaintIfCreated();
}

void Widget::SetForeColor(Color color) {
  foreColor = color;
  RepaintIfCreated();
}

// A form whose window is gone (closed, or destroyed from outside) leaves nothing to draw on:
// its widgets may still change, losing the focus as the window goes, and show nothing.
bool Widget::CanPaint() {
  if (Application::IsLoading() || !created) return false;
  Form* form = GetParentForm();
  return form != nullptr && form->GetWindow() != 0;
}

Painter Widget::FormPainter() const {
  Form* form = GetParentForm();
  return Painter(form != nullptr ? PaintTargetOf(form) : PaintTarget{});
}

Rect Widget::FormBox() const {
  Point at = GetAbsolutePosition();
  return {at.x, at.y, width, height};
}

void Widget::RepaintIfCreated() {
  if (created) Paint();
}

void Widget::Erase() {
  if (GetParentForm() == nullptr) return;
  Painter painter = FormPainter();
  Rect box = FormBox();
  // The whole box, so that a moved or hidden widget leaves none of its edges behind.
  painter.FillBox(box, EraseColor());
}

Color Widget::EraseColor() const {
  return BackColorFrom(Backdrop::Container);
}

void DrawFocusRectangle(Painter& painter, int left, int top, int right, int bottom, Color color) {
  constexpr int kOnOffDash = 1;
  painter.DrawLine(left, top, right, top, kOnOffDash, 1, color);
  painter.DrawLine(left, bottom, left, top - 1, kOnOffDash, 1, color);
  painter.DrawLine(right, top, right, bottom + 1, kOnOffDash, 1, color);
  painter.DrawLine(left, bottom, right, bottom, kOnOffDash, 1, color);
}

}  // namespace tessarin
