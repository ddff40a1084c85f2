#include "tessarin/framework/ElementRegistry.h"

#include <algorithm>
#include <cstring>

#include "tessarin/framework/Child.h"
#include "tessarin/framework/Form.h"
#include "tessarin/framework/GUIElement.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/util/Log.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

std::vector<GUIElement*> ElementRegistry::elements;
std::vector<Form*> ElementRegistry::forms;
std::vector<Timer*> ElementRegistry::timers;
GUIElement* ElementRegistry::focusedElement = nullptr;
unsigned char ElementRegistry::keyStates[256] = {};
bool ElementRegistry::loadingFlag = false;
Form* ElementRegistry::currentMessageBox = nullptr;
std::uint32_t ElementRegistry::lastElementId = 0;
std::vector<GUIElement*> ElementRegistry::pendingDeletes;

void ElementRegistry::RegisterElement(GUIElement* element) {
  elements.push_back(element);
}

void ElementRegistry::RegisterForm(GUIElement* element) {
  if (element->GetType() == "form") forms.push_back(static_cast<Form*>(element));
}

void ElementRegistry::RegisterTimer(GUIElement* element) {
  if (element->GetType() == "timer") timers.push_back(static_cast<Timer*>(element));
}

namespace {
template <typename T>
bool EraseFirst(std::vector<T*>& list, const GUIElement* element) {
  auto found = std::find(list.begin(), list.end(), element);
  if (found == list.end()) return false;
  list.erase(found);
  return true;
}
}  // namespace

void ElementRegistry::RemoveWinForm(GUIElement* element) {
  std::string elementType = element->GetType();
  if (elementType == "form") {
    RemoveWindow(element);
  } else if (elementType == "timer") {
    RemoveTimer(element);
  }
  if (EraseFirst(elements, element)) return;
  Log(" NON TROVATO! Application::RemoveWinForm = " + elementType + " size " +
      ToString(static_cast<long>(elements.size())) + " id " + ToString(element->GetId()));
}

void ElementRegistry::RemoveWindow(GUIElement* form) {
  if (EraseFirst(forms, form)) return;
  Log(" NON TROVATO! Application::RemoveWindow = " + form->GetType() + " lx " +
      ToString(static_cast<long>(forms.size())) + " id " + ToString(form->GetId()));
}

void ElementRegistry::RemoveTimer(GUIElement* timer) {
  if (EraseFirst(timers, timer)) return;
  Log(" NON TROVATO! Application::RemoveWindow = " + timer->GetType() + " lx " +
      ToString(static_cast<long>(timers.size())) + " id " + ToString(timer->GetId()));
}

Form* ElementRegistry::FindForm(Window window) {
  for (Form* form : forms) {
    if (form->GetWindow() == window) return form;
  }
  return nullptr;
}

namespace {
bool IsChildOf(GUIElement* element, std::uint32_t containerId) {
  return element->IsChild() && element->GetParent() != nullptr &&
         element->GetParent()->GetId() == containerId;
}
}  // namespace

// Id 0 means "not created yet", not "one container": elements whose containers were never
// created are nobody's children. Taking them as the children of id 0 made a panel that is not
// created, inside another that is not created, collect itself until the stack ran out.
GUIElement* ElementRegistry::HitTest(std::uint32_t containerId, Point point) {
  if (containerId == 0) return nullptr;
  for (GUIElement* element : elements) {
    if (!IsChildOf(element, containerId)) continue;
    if (!element->IsCreated() || !element->IsVisible() || !element->IsEnabled()) continue;
    if (element->GetType() != "panel") {
      if (element->Contains(point)) return element;
      continue;
    }
    Point origin = element->GetPosition();
    GUIElement* inside = HitTest(element->GetId(), {point.x - origin.x, point.y - origin.y});
    if (inside != nullptr) return inside;
  }
  return nullptr;
}

std::vector<GUIElement*> ElementRegistry::CollectChildren(std::uint32_t containerId) {
  std::vector<GUIElement*> result;
  if (containerId == 0) return result;
  for (GUIElement* element : elements) {
    if (!IsChildOf(element, containerId)) continue;
    result.push_back(element);
    if (element->GetType() == "panel") {
      std::vector<GUIElement*> nested = CollectChildren(element->GetId());
      result.insert(result.end(), nested.begin(), nested.end());
    }
  }
  return result;
}

void ElementRegistry::DestroyAllWindows() {
  // DestroyWindow never unregisters, but walk a copy in case a subclass does more.
  std::vector<GUIElement*> snapshot = elements;
  for (GUIElement* element : snapshot) {
    if (element->GetType() == "form" && element->IsCreated()) {
      static_cast<Form*>(element)->DestroyWindow();
    }
  }
}

namespace {
// An element that stops being the focused one stops showing the focus.
void TakeLookFrom(GUIElement* previous, const GUIElement* next) {
  if (previous != nullptr && previous != next && previous->HasFocus()) previous->LostFocus();
}
}  // namespace

void ElementRegistry::SetFocusedElement(GUIElement* element) {
  GUIElement* previous = focusedElement;
  focusedElement = element;
  if (element != nullptr) {
    if (Form* form = tessarin::FindForm(element)) form->RememberFocus(element);
  }
  TakeLookFrom(previous, element);
}

void ElementRegistry::ClearFocus() {
  GUIElement* previous = focusedElement;
  focusedElement = nullptr;
  TakeLookFrom(previous, nullptr);
}

void ElementRegistry::ForgetFocusOn(const GUIElement* element) {
  if (focusedElement == element) focusedElement = nullptr;
}

GUIElement* ElementRegistry::FindElementById(std::uint32_t id) {
  if (id == 0) return nullptr;
  for (GUIElement* element : elements) {
    if (element->GetId() == id) return element;
  }
  return nullptr;
}

bool ElementRegistry::IsAlive(const GUIElement* element, std::uint32_t idWhenWatched) {
  if (idWhenWatched != 0) return FindElementById(idWhenWatched) == element;
  return std::find(elements.begin(), elements.end(), element) != elements.end();
}

void ElementRegistry::DeleteMessageBox() {
  Form* box = currentMessageBox;
  currentMessageBox = nullptr;
  delete box;
}

void ElementRegistry::DeleteLater(GUIElement* element) {
  if (element == nullptr) return;
  if (std::find(pendingDeletes.begin(), pendingDeletes.end(), element) == pendingDeletes.end()) {
    pendingDeletes.push_back(element);
  }
}

void ElementRegistry::DeletePending() {
  while (!pendingDeletes.empty()) {
    GUIElement* element = pendingDeletes.back();
    pendingDeletes.pop_back();
    delete element;
  }
}

bool ElementRegistry::IsKeyDown(int ch) {
  return ch >= 0 && ch < 256 && keyStates[ch] != 0;
}

void ElementRegistry::SetKeyDown(int ch, bool down) {
  if (ch >= 0 && ch < 256) keyStates[ch] = down ? 1 : 0;
}

void ElementRegistry::ClearKeyStates() {
  std::memset(keyStates, 0, sizeof keyStates);
}

void ElementRegistry::Reset() {
  elements.clear();
  forms.clear();
  timers.clear();
  focusedElement = nullptr;
  ClearKeyStates();
  loadingFlag = false;
  currentMessageBox = nullptr;
  lastElementId = 0;
  pendingDeletes.clear();
}

}  // namespace tessarin
