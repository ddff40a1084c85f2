#include "tessarin/app/EventLoop.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <sys/select.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <vector>

#include "tessarin/app/Application.h"
#include "tessarin/app/IdleSteps.h"
#include "tessarin/app/IdleWait.h"
#include "tessarin/app/LoopWakeUp.h"
#include "tessarin/framework/Child.h"
#include "tessarin/framework/ElementWatch.h"
#include "tessarin/framework/Form.h"
#include "tessarin/framework/Timer.h"

namespace tessarin {

namespace {

// What XLookupString made of a key event.
struct KeyInput {
  KeySym keysym = NoSymbol;
  char ch = 0;
};

KeyInput LookupKey(XKeyEvent& event) {
  char buffer[50];
  KeyInput input;
  int count = XLookupString(&event, buffer, sizeof buffer, &input.keysym, nullptr);
  if (count > 0) input.ch = static_cast<signed char>(buffer[0]);
  return input;
}

// The character each held key produced when it went down, by keycode. The modifiers may
// change before the release (Shift let go first, as fast typists and xdotool do), so the
// release delivers what the press typed, not what the key would type now.
struct PressedCharacter {
  bool pressed = false;
  char ch = 0;
};
PressedCharacter pressedCharacters[256];

void RecordPress(const XKeyEvent& event, char ch) {
  pressedCharacters[event.keycode & 0xFF] = {true, ch};
}

// The character the key's press produced; a release without a recorded press (the press
// went to another window) falls back on the release's own lookup.
char TakeTypedCharacter(const XKeyEvent& event, char releaseCh) {
  PressedCharacter& entry = pressedCharacters[event.keycode & 0xFF];
  const char ch = entry.pressed ? entry.ch : releaseCh;
  entry = {};
  return ch;
}

GUIElement* Focused() {
  return Application::FocusedElement();
}

// The focused element when it lies on form: keys typed into a dialog never reach an element
// of the window the dialog blocks, nor of any other window.
GUIElement* FocusedOn(Form* form) {
  GUIElement* focused = Focused();
  if (focused == nullptr || FindForm(focused) != form) return nullptr;
  return focused;
}

// Tab may lead back to the focused element itself, which then loses the focus and gets it again.
void MoveFocusTo(GUIElement* element) {
  if (GUIElement* previous = Focused()) previous->LostFocus();
  Application::SetFocusedElement(element);
  element->GotFocus();
}

// A press or release on form away from every element: the form keeps no focus either that a
// window over it would give back when it goes.
void DropFocus(Form* form) {
  Application::ClearFocus();
  form->RememberFocus(nullptr);
}

// Only what the user can see and use takes the focus: a hidden OK box's NO button must not,
// or Return would answer NO.
bool CanTakeFocus(GUIElement* element) {
  return element->IsFocusable() && element->IsVisible() && element->IsEnabled();
}

// Tab: the next focusable child by id, wrapping round to the first.
// An element that does not take the focus itself (a tile, a picture) counts as no focus, so
// Tab leads from it to the first element that does.
void TraverseFocus(Form* form) {
  std::vector<GUIElement*> children = Application::CollectChildren(form->GetId());
  GUIElement* current = FocusedOn(form);
  if (current != nullptr && !current->IsFocusable()) current = nullptr;
  GUIElement* candidate = nullptr;
  for (GUIElement* child : children) {
    if (CanTakeFocus(child) && (current == nullptr || child->GetId() > current->GetId())) {
      candidate = child;
      break;
    }
  }
  for (std::size_t i = 0; candidate == nullptr && i < children.size(); ++i) {
    if (CanTakeFocus(children[i])) candidate = children[i];
  }
  if (candidate != nullptr) MoveFocusTo(candidate);
}

// An element's handler may destroy the very form the event came to: Return on a button that
// reopens a dialog, typed into that dialog while the button holds the process-wide focus. The
// form hears of the event only when it still exists.
bool IsDirectChildHolding(GUIElement* element, Form* form, Point point) {
  return element != nullptr && element->Contains(point) && element->GetParent() == form;
}

void OnKeyPress(Form*, Form* form, XEvent& event) {
  const ElementWatch formAlive(form);
  KeyInput key = LookupKey(event.xkey);
  RecordPress(event.xkey, key.ch);
  if (GUIElement* focused = FocusedOn(form)) focused->KeyDown(key.keysym);
  if (key.ch > 0) Application::SetKeyDown(key.ch, true);
  if (formAlive) form->KeyDown(key.keysym);
}

void OnKeyRelease(Form*, Form* form, XEvent& event) {
  const ElementWatch formAlive(form);
  KeyInput key = LookupKey(event.xkey);
  key.ch = TakeTypedCharacter(event.xkey, key.ch);
  if (key.keysym == XK_Tab) {
    TraverseFocus(form);
  } else if (GUIElement* focused = FocusedOn(form)) {
    if (key.ch > 0) focused->KeyChar(key.ch);
    if (GUIElement* still = FocusedOn(form)) still->KeyUp(key.keysym);
  }
  if (key.ch > 0) Application::SetKeyDown(key.ch, false);
  if (!formAlive) return;
  if (key.ch > 0) form->KeyChar(key.ch);
  if (formAlive) form->KeyUp(key.keysym);
}

// A press away from the focused child: the element under the pointer takes the focus and the
// press.
void PressOnHit(Form* form, GUIElement* focused, Point point) {
  GUIElement* hit = Application::HitTest(form->GetId(), point);
  if (hit == nullptr) {
    DropFocus(form);
    return;
  }
  // Focused before the press is handled: a dialog that the press opens (the message after a
  // winning move) takes the keyboard from it, and its window gets it back when the dialog goes.
  if (focused == nullptr || focused->GetId() != hit->GetId()) MoveFocusTo(hit);
  hit->MouseDown(point);
}

// A release away from the focused direct child reaches the element under the pointer only
// when that one has the focus (inside a panel); anywhere else it takes the focus away.
void ReleaseOnHit(Form* form, GUIElement* focused, Point point) {
  GUIElement* hit = Application::HitTest(form->GetId(), point);
  if (hit != nullptr && focused != nullptr && hit->GetId() == focused->GetId()) {
    hit->MouseUp(point);
  } else {
    DropFocus(form);
  }
}

// What one edge of a button does: the left button goes through the elements, the middle and
// right ones and wheel-up reach the form alone, and a disabled form hears every button itself.
struct ButtonEdge {
  // The left button's edge away from the focused child.
  void (*onHit)(Form* form, GUIElement* focused, Point point);
  // The left button's edge, on elements and forms alike.
  void (GUIElement::*plain)(Point point);
  void (GUIElement::*formOther)(Point point);
};

// The focused child keeps the left button while the pointer is over it; the form hears of
// the edge last.
void LeftButtonOnElements(Form* form, Point point, const ButtonEdge& edge) {
  const ElementWatch formAlive(form);
  GUIElement* focused = Focused();
  if (IsDirectChildHolding(focused, form, point)) {
    (focused->*edge.plain)(point);
  } else {
    edge.onHit(form, focused, point);
  }
  if (formAlive) (form->*edge.plain)(point);
}

void OnButton(Form* form, const XButtonEvent& button, const ButtonEdge& edge) {
  Point point{button.x, button.y};
  if (!form->IsEnabled()) {
    (form->*edge.plain)(point);
    return;
  }
  switch (button.button) {
    case Button1:
      LeftButtonOnElements(form, point, edge);
      break;
    case Button2:
    case Button3:
    case Button4:
      (form->*edge.formOther)(point);
      break;
    default:
      break;
  }
}

void OnButtonPress(Form*, Form* form, XEvent& event) {
  OnButton(form, event.xbutton, {PressOnHit, &GUIElement::MouseDown, &GUIElement::OtherMouseDown});
}

void OnButtonRelease(Form*, Form* form, XEvent& event) {
  OnButton(form, event.xbutton, {ReleaseOnHit, &GUIElement::MouseUp, &GUIElement::OtherMouseUp});
}

void OnMotion(Form*, Form* form, XEvent& event) {
  const ElementWatch formAlive(form);
  GUIElement* focused = Focused();
  if (focused != nullptr) {
    const std::string& focusedType = focused->GetType();
    if (focusedType == "slider" || focusedType == "scrollbar") {
      focused->MouseMove(event.xmotion.x, event.xmotion.y);
    }
  }
  if (formAlive) form->MouseMove(event.xmotion.x, event.xmotion.y);
}

void OnEnter(Form*, Form* form, XEvent&) {
  form->MouseEnter();
}
void OnLeave(Form*, Form* form, XEvent&) {
  form->MouseLeave();
}
void OnExpose(Form*, Form* form, XEvent&) {
  form->Paint();
}
// Set when another client destroyed the main window; RunEventLoop reports it.
bool mainWindowDestroyed = false;

// A form other than the main one closed from outside: its window goes, and with it the form.
void CloseWindowOf(Form* form) {
  form->DestroyWindow();
  form->Close();
}

// Another client destroyed the window: the form that destroys its own forgets the id first, so
// its notice finds no form. A dialog or a companion is closed as a window manager's close
// closes it, which lets a blocked owner go; the window is gone whatever the form answers. The
// main window's loss ends the loop, and the program, as a lost connection does.
void OnDestroy(Form* mainForm, Form* form, XEvent&) {
  form->ForgetDestroyedWindow();
  if (form->GetId() == mainForm->GetId()) {
    mainWindowDestroyed = true;
    Application::RequestQuit();
    return;
  }
  form->QueryClose();
  CloseWindowOf(form);
}

void OnConfigure(Form*, Form* form, XEvent& event) {
  const XConfigureEvent& configure = event.xconfigure;
  Point size = form->GetSize();
  if (configure.width != size.x || configure.height != size.y) form->Resized();
  form->SetBounds(configure.x, configure.y, configure.width, configure.height);
}

void OnClientMessage(Form* mainForm, Form* form, XEvent& event) {
  const XClientMessageEvent& message = event.xclient;
  Atom first = static_cast<Atom>(message.data.l[0]);
  if (form->GetDeleteWindowAtom() != 0 && first == form->GetDeleteWindowAtom()) {
    // The main window only asks; its own handler decides whether the program ends.
    if (form->GetId() == mainForm->GetId()) {
      form->QueryClose();
    } else if (form->QueryClose()) {
      CloseWindowOf(form);
    }
    return;
  }
  if (message.message_type == None && message.data.l[0] == 1) form->OnUserMessage();
}

using Handler = void (*)(Form* mainForm, Form* form, XEvent& event);

struct Route {
  Handler handler = nullptr;
  bool needsEnabledForm = false;
};

struct RouteTable {
  Route routes[LASTEvent];
  RouteTable() {
    routes[KeyPress] = {OnKeyPress, true};
    routes[KeyRelease] = {OnKeyRelease, true};
    routes[ButtonPress] = {OnButtonPress, false};
    routes[ButtonRelease] = {OnButtonRelease, false};
    routes[MotionNotify] = {OnMotion, true};
    routes[EnterNotify] = {OnEnter, false};
    routes[LeaveNotify] = {OnLeave, false};
    routes[Expose] = {OnExpose, false};
    routes[DestroyNotify] = {OnDestroy, false};
    routes[ConfigureNotify] = {OnConfigure, false};
    routes[ClientMessage] = {OnClientMessage, false};
  }
};

const RouteTable& Routes() {
  static const RouteTable table;
  return table;
}

Window TargetWindow(const XEvent& event) {
  switch (event.type) {
    case DestroyNotify:
      return event.xdestroywindow.window;
    case ConfigureNotify:
      return event.xconfigure.window;
    default:
      return event.xany.window;
  }
}

// What ended an idle wait. When input and a wake-up are both there, the wake-up is named: the
// loop reads the input anyway once the wake-up has been delivered.
enum class WaitEnd { Input, WakeUp, Deadline };

// Waits until the connection or the wake-up descriptor (-1 for none) becomes readable, or the
// deadline comes; without a deadline only those end it. now is the caller's latest reading of
// the clock. A signal resumes the wait for what is left until the same deadline, so no idle
// time is lost to it.
WaitEnd WaitUntilReadable(Display* display, int wakeUpFd, const timespec* deadline, timespec now) {
  const int fd = ConnectionNumber(display);
  for (;;) {
    timeval left{};
    if (deadline != nullptr) {
      left = TimeLeftUntil(*deadline, now);
      if (left.tv_sec == 0 && left.tv_usec == 0) return WaitEnd::Deadline;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    if (wakeUpFd >= 0) FD_SET(wakeUpFd, &readable);
    const int ready = select(std::max(fd, wakeUpFd) + 1, &readable, nullptr, nullptr,
                             deadline != nullptr ? &left : nullptr);
    if (ready > 0) {
      const bool woken = wakeUpFd >= 0 && FD_ISSET(wakeUpFd, &readable);
      return woken ? WaitEnd::WakeUp : WaitEnd::Input;
    }
    // select never returns before its timeout, which TimeLeftUntil rounds up: the deadline came.
    if (ready == 0) return WaitEnd::Deadline;
    if (errno != EINTR) return WaitEnd::Input;
    // Interrupted by a signal: the clock says what is left.
    now = MonotonicNow();
  }
}

// Idles until the connection becomes readable (true) or a wake-up has done something that the
// loop must look at (false). Each wait lasts until the first running punctual timer is due, or
// without limit while none runs, deferrable ones being left to the next input; the whole 10 ms
// steps that passed are applied when it ends, before any input is read or any wake-up
// delivered, so ticks and the idle counter come out as if the loop had woken at every step.
// Without a timer no step counts, as when the loop blocked in XNextEvent. A wake-up's user
// message is delivered like an event: what its handler sent or queued is looked at before the
// next wait.
// After a wake-up whose ticks sent no request and left no event in Xlib's queue, that queue is
// known to be as empty as before and the next wait can follow without asking the server. The
// NextRequest and QLength macros read those counters without the display lock, which this
// thread, the connection's only user, need not pay for at every wake-up.
bool IdleUntilInput(Display* display) {
  for (;;) {
    const timespec start = MonotonicNow();
    const bool counting = !Application::Timers().empty();
    const std::optional<std::uint32_t> dueSteps = Timer::StepsUntilPunctualDue(kIdleStepMs);
    const timespec due =
        MillisecondsAfter(start, std::uint64_t{dueSteps.value_or(0)} * kIdleStepMs);
    const WaitEnd end =
        WaitUntilReadable(display, LoopWakeUp::LoopDescriptor(), dueSteps ? &due : nullptr, start);
    const unsigned long nextRequest = NextRequest(display);
    if (counting) ApplyIdleSteps(WholeIdleStepsBetween(start, MonotonicNow()));
    if (Application::QuitRequested()) return false;
    if (end == WaitEnd::WakeUp) {
      LoopWakeUp::DeliverTriggered();
      Application::DeletePending();
      return false;
    }
    if (end == WaitEnd::Input) return true;
    if (Application::Timers().empty()) return false;
    if (NextRequest(display) != nextRequest) return false;
    if (QLength(display) != 0) return false;
  }
}

void Shutdown(Form* mainForm) {
  Application::DestroyAllWindows();
  Application::DeleteMessageBox();
  Application::DeletePending();
  mainForm->Close();
}

}  // namespace

bool WaitForConnection(Display* display, int timeoutMs) {
  const timespec now = MonotonicNow();
  const timespec deadline =
      MillisecondsAfter(now, static_cast<std::uint64_t>(std::max(timeoutMs, 0)));
  return WaitUntilReadable(display, -1, &deadline, now) == WaitEnd::Input;
}

void DispatchEvent(Form* mainForm, XEvent& event) {
  if (event.type < 0 || event.type >= LASTEvent) return;
  const Route& route = Routes().routes[event.type];
  if (route.handler == nullptr) return;
  Form* form = Application::FindForm(TargetWindow(event));
  if (form == nullptr) return;
  if (route.needsEnabledForm && !form->IsEnabled()) return;
  route.handler(mainForm, form, event);
}

LoopEnd RunEventLoop(Form* mainForm) {
  mainWindowDestroyed = false;
  Application::ClearKeyStates();
  for (PressedCharacter& entry : pressedCharacters) entry = {};
  Display* display = mainForm->GetApplication()->GetDisplay();
  while (!Application::QuitRequested()) {
    if (XPending(display) == 0) {
      if (!IdleUntilInput(display)) continue;
      // Readable but holding no whole event (a lone reply or error): never block on it.
      if (XPending(display) == 0) continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    DispatchEvent(mainForm, event);
    Application::DeletePending();
  }
  Shutdown(mainForm);
  return mainWindowDestroyed ? LoopEnd::MainWindowDestroyed : LoopEnd::Quit;
}

}  // namespace tessarin
