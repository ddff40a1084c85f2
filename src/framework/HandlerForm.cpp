#include "tessarin/framework/HandlerForm.h"

#include <unordered_set>

#include "tessarin/framework/Child.h"

namespace tessarin {

namespace {

// The handler forms alive now, from the end of their constructor to the start of their
// destructor: the span in which their virtual operations are theirs to call.
std::unordered_set<const GUIElement*>& LiveHandlers() {
  static std::unordered_set<const GUIElement*> handlers;
  return handlers;
}

// The element slots are plain functions that receive only the element, so the handler behind a
// form is recovered from the element; one found among the live handlers is a HandlerForm.
HandlerForm* AsHandler(GUIElement* element) {
  if (LiveHandlers().count(element) == 0) return nullptr;
  return static_cast<HandlerForm*>(element);
}

void ForwardLoad(GUIElement* element, std::uint64_t) {
  if (HandlerForm* form = AsHandler(element)) form->LoadControls();
}

bool ForwardClosing(GUIElement* element) {
  HandlerForm* form = AsHandler(element);
  return form == nullptr || form->ConfirmClose();
}

void ForwardClose(GUIElement* element) {
  if (HandlerForm* form = AsHandler(element)) form->FormClosed();
}

void ForwardResize(GUIElement* element) {
  if (HandlerForm* form = AsHandler(element)) form->FormResized();
}

bool ForwardKeyChar(GUIElement* element, char ch) {
  HandlerForm* form = AsHandler(element);
  return form == nullptr || form->FormKeyChar(ch);
}

void ForwardKeyDown(GUIElement* element, unsigned long keysym) {
  if (HandlerForm* form = AsHandler(element)) form->FormKeyDown(keysym);
}

void ForwardKeyUp(GUIElement* element, unsigned long keysym) {
  if (HandlerForm* form = AsHandler(element)) form->FormKeyUp(keysym);
}

void ForwardMouseDown(GUIElement* element, std::uint64_t, Point) {
  if (HandlerForm* form = AsHandler(element)) form->FormMouseDown();
}

void ForwardMouseUp(GUIElement* element, std::uint64_t, Point) {
  if (HandlerForm* form = AsHandler(element)) form->FormMouseUp();
}

}  // namespace

HandlerForm::HandlerForm(bool isDialog) : Form(nullptr, isDialog) {
  SetOnLoad(ForwardLoad);
  SetOnClosing(ForwardClosing);
  SetOnClose(ForwardClose);
  SetOnResize(ForwardResize);
  SetOnKeyChar(ForwardKeyChar);
  SetOnKeyDown(ForwardKeyDown);
  SetOnKeyUp(ForwardKeyUp);
  SetOnMouseDown(ForwardMouseDown);
  SetOnMouseUp(ForwardMouseUp);
  LiveHandlers().insert(this);
}

HandlerForm::~HandlerForm() {
  LiveHandlers().erase(this);
}

void HandlerForm::LoadControls() {}
bool HandlerForm::ConfirmClose() {
  return true;
}
void HandlerForm::FormClosed() {}
void HandlerForm::FormResized() {}
bool HandlerForm::FormKeyChar(char) {
  return true;
}
void HandlerForm::FormKeyDown(unsigned long) {}
void HandlerForm::FormKeyUp(unsigned long) {}
void HandlerForm::FormMouseDown() {}
void HandlerForm::FormMouseUp() {}
void HandlerForm::CommandClicked(GUIElement*) {}
void HandlerForm::ChildMouseDown(GUIElement*) {}

std::function<void(GUIElement*)> HandlerForm::CommandToThis() {
  return [this](GUIElement* sender) { CommandClicked(sender); };
}

void HandlerForm::ForwardChildMouseDown(GUIElement* sender, std::uint64_t, Point) {
  if (sender == nullptr || !sender->IsChild()) return;
  if (HandlerForm* form = AsHandler(FindForm(sender))) form->ChildMouseDown(sender);
}

}  // namespace tessarin
