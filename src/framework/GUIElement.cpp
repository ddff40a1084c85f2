#include "tessarin/framework/GUIElement.h"

#include "tessarin/framework/ElementRegistry.h"
#include "tessarin/framework/ElementWatch.h"

namespace tessarin {

namespace {
constexpr std::int64_t kDoubleClickMs = 999;
}

GUIElement::GUIElement(void* context) : context(context), lastClickTime(DateTime::Now()) {
  ElementRegistry::RegisterElement(this);
}

GUIElement::~GUIElement() {
  // Nothing may keep pointing at a destroyed element.
  ElementRegistry::ForgetFocusOn(this);
}

void GUIElement::AssignId() {
  AssignIdIfMissing();
  if (created) OnAttributesChanged();
}

void GUIElement::AssignIdIfMissing() {
  if (id != 0) return;
  id = ElementRegistry::NextElementId();
  tag = id;
}

int GUIElement::GetWidth() {
  return width;
}
int GUIElement::GetActualWidth() {
  return width;
}
int GUIElement::GetHeight() {
  return height;
}
int GUIElement::GetActualHeight() {
  return height;
}
Point GUIElement::GetPosition() {
  return {x, y};
}
Point GUIElement::GetSize() {
  return {width, height};
}
Point GUIElement::GetExtent() {
  return GetSize();
}

void GUIElement::SetSize(int w, int h) {
  if (w == width && h == height) return;
  width = w;
  height = h;
  if (created) ApplySize();
}

void GUIElement::SetPosition(int newX, int newY) {
  x = newX;
  y = newY;
  if (created) ApplyPosition();
}

void GUIElement::MoveTo(int newX, int newY) {
  SetPosition(newX < 0 ? 0 : newX, newY < 0 ? 0 : newY);
}

void GUIElement::SetPositionPoint(Point point) {
  SetPosition(point.x, point.y);
}

void GUIElement::SetBackColor(std::int64_t color) {
  backColor = color;
  if (created) Paint();
}

std::int64_t GUIElement::GetBackColor() {
  return backColor;
}

void GUIElement::Show() {
  if (!created) Create();
  visible = true;
}

void GUIElement::ShowAndMap() {
  GUIElement::Show();
}

void GUIElement::Hide() {
  if (created) visible = false;
}

bool GUIElement::IsVisible() {
  return visible;
}
bool GUIElement::IsCreated() {
  return created;
}
void GUIElement::ReservedA() {}
void GUIElement::SetEnabled(bool on) {
  enabled = on;
}
bool GUIElement::IsEnabled() {
  return enabled;
}

void GUIElement::AddChild(GUIElement* element) {
  if (created && element != nullptr && element->GetTagAddress() != nullptr) OnChildAdded(element);
}

void GUIElement::BringToFront() {
  if (created) ApplyBringToFront();
}

void GUIElement::Raise() {
  BringToFront();
}

void GUIElement::SendToBack() {
  if (created) ApplySendToBack();
}

void GUIElement::SetName(const std::string& newName) {
  name = newName;
}
std::string GUIElement::GetName() {
  return name;
}

void GUIElement::SetFont(const MyFont& newFont) {
  font = newFont;
  if (created) OnAttributesChanged();
}

MyFont& GUIElement::GetFont() {
  return font;
}
bool GUIElement::IsFocusable() {
  return focusable;
}
bool GUIElement::IsDrawable() {
  return drawable;
}
bool GUIElement::IsChild() {
  return isChild;
}

bool GUIElement::Contains(Point point) {
  return created && visible && x <= point.x && point.x <= x + width && y <= point.y &&
         point.y <= y + height;
}

void GUIElement::SetText(const std::string& newText) {
  text = newText;
}
std::string GUIElement::GetText() {
  return text;
}
std::string GUIElement::GetValue() {
  return GetText();
}

// A release may close the element's form, and the element with it: the callbacks come last.
void GUIElement::MouseUp(Point point) {
  const ElementWatch watch(this);
  if (onMouseUp != nullptr) onMouseUp(this, tag, point);
  if (!watch) return;
  const DateTime now = DateTime::Now();
  const bool doubleClick = lastClickTime.ElapsedMs(now) <= kDoubleClickMs;
  lastClickTime = now;
  if (doubleClick) DoubleClick(point);
}

void GUIElement::MouseDown(Point point) {
  if (onMouseDown != nullptr) onMouseDown(this, tag, point);
}

void GUIElement::DoubleClick(Point point) {
  if (onDoubleClick != nullptr) onDoubleClick(this, tag, point);
}

void GUIElement::OtherMouseUp(Point point) {
  if (onOtherMouseUp != nullptr) onOtherMouseUp(this, tag, point);
}

void GUIElement::OtherMouseDown(Point point) {
  if (onOtherMouseDown != nullptr) onOtherMouseDown(this, tag, point);
}

void GUIElement::AuxMouseEvent(long value) {
  if (onAuxMouseEvent != nullptr) onAuxMouseEvent(this, tag, value);
}

void GUIElement::KeyUp(unsigned long keysym) {
  if (onKeyUp != nullptr) onKeyUp(this, keysym);
}

void GUIElement::KeyDown(unsigned long keysym) {
  if (onKeyDown != nullptr) onKeyDown(this, keysym);
}

bool GUIElement::KeyChar(char ch) {
  return onKeyChar == nullptr || onKeyChar(this, ch);
}

void GUIElement::MouseMove(int px, int py) {
  if (onMouseMove != nullptr) onMouseMove(this, px, py);
}

void GUIElement::AuxEventA(long value) {
  if (onAuxEventA != nullptr) onAuxEventA(this, value);
}

void GUIElement::AuxEventB(long value) {
  if (onAuxEventB != nullptr) onAuxEventB(this, value);
}

void GUIElement::SetFocus() {
  focused = true;
}

void GUIElement::Moved() {
  if (onMove != nullptr) onMove(this);
}

void GUIElement::Resized() {
  SetBackColor(GetBackColor());
  if (onResize != nullptr) onResize(this);
}

void GUIElement::Paint() {}

bool GUIElement::QueryClose() {
  return onClosing == nullptr || onClosing(this);
}

void GUIElement::Close() {
  if (onClose != nullptr) onClose(this);
}

void GUIElement::GotFocus() {
  focused = true;
  valueAtFocus = GetValue();
  if (onGotFocus != nullptr) onGotFocus(this);
}

void GUIElement::LostFocus() {
  focused = false;
  const ElementWatch watch(this);
  if (onLostFocus != nullptr) onLostFocus(this);
  if (watch && GetValue() != valueAtFocus && onChange != nullptr) onChange(this);
}

void GUIElement::MouseEnter() {
  if (onMouseEnter != nullptr) onMouseEnter(this);
}

void GUIElement::MouseLeave() {
  if (onMouseLeave != nullptr) onMouseLeave(this);
}

void GUIElement::Load(std::uint64_t loadTag) {
  if (tag == 0) tag = loadTag;
  if (loaded) return;
  if (onLoad != nullptr) onLoad(this, tag);
  loaded = true;
}

void GUIElement::UpdateBackColor() {
  if (created) ApplyBackColor();
}

bool GUIElement::GetFlagA() {
  return flagA;
}
bool GUIElement::GetFlagB() {
  return flagB;
}

void GUIElement::SetFlagA(bool on) {
  flagA = on;
  if (on) flagB = false;
}

void GUIElement::SetFlagB(bool on) {
  flagB = on;
  if (on) flagA = false;
}

void GUIElement::ReservedB() {}
std::uint64_t* GUIElement::GetTagAddress() {
  return &tag;
}
void GUIElement::ApplyPosition() {}
void GUIElement::ApplySize() {}
void GUIElement::ApplyBackColor() {}
void GUIElement::ApplyBringToFront() {}
void GUIElement::ApplySendToBack() {}
void GUIElement::OnChildAdded(GUIElement*) {}
void GUIElement::OnAttributesChanged() {}

}  // namespace tessarin
