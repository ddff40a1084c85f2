#include "tessarin/framework/Form.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <errno.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "tessarin/framework/Child.h"
#include "tessarin/framework/ElementRegistry.h"
#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/ColorMasks.h"
#include "tessarin/util/Log.h"
#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {
// What a program's windows are called before it says otherwise: its command name, as a
// neutral program's windows are.
std::string& WindowClassName() {
  static std::string name = program_invocation_short_name;
  return name;
}
std::string& WindowIconName() {
  static std::string name = program_invocation_short_name;
  return name;
}
constexpr long kEventMask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                            EnterWindowMask | LeaveWindowMask | PointerMotionMask |
                            ButtonMotionMask | ExposureMask | StructureNotifyMask |
                            SubstructureNotifyMask;
static_assert(kEventMask == 0xAA07F, "forms listen to exactly these events");

// Every atom a form's window needs, in the order of kAtomNames.
enum FormAtom {
  kLocaleName,
  kProtocols,
  kDeleteWindow,
  kPid,
  kName,
  kIconName,
  kUtf8String,
  kIcon,
  kWindowType,
  kDialogType,
  kAtomCount
};
const char* const kAtomNames[] = {"WM_LOCALE_NAME",      "WM_PROTOCOLS",
                                  "WM_DELETE_WINDOW",    "_NET_WM_PID",
                                  "_NET_WM_NAME",        "_NET_WM_ICON_NAME",
                                  "UTF8_STRING",         "_NET_WM_ICON",
                                  "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG"};
static_assert(sizeof kAtomNames / sizeof kAtomNames[0] == kAtomCount, "one name per atom");

// Nothing paints while a form builds its children, so an element of another window whose focus
// a new child took meanwhile (a dialog's button) still shows it: it is painted again once the
// children are built.
void RepaintIfFocusTaken(std::uint32_t focusedIdBefore) {
  GUIElement* before = ElementRegistry::FindElementById(focusedIdBefore);
  if (before != nullptr && before != ElementRegistry::FocusedElement()) before->Paint();
}

// Input is asked for, so that a window manager that follows the hints gives the form the
// keyboard.
void FillWMHints(XWMHints& hints, Pixmap iconPixmap) {
  hints.flags = InputHint | StateHint | IconPixmapHint;
  hints.input = True;
  hints.initial_state = NormalState;
  hints.icon_pixmap = iconPixmap;
}

// The program's texts are ISO 8859-1; the _NET_WM names are UTF-8.
void SetUtf8Property(Display* display, Window window, Atom property, Atom utf8String,
                     const std::string& latin1Text) {
  const std::string text = Latin1ToUtf8(latin1Text);
  XChangeProperty(display, window, property, utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(text.data()),
                  static_cast<int>(text.size()));
}

// Scoped owner of the three hint structures XAlloc* hands out.
struct WindowHints {
  XSizeHints* size = XAllocSizeHints();
  XWMHints* wm = XAllocWMHints();
  XClassHint* klass = XAllocClassHint();
  ~WindowHints() {
    if (size != nullptr) XFree(size);
    if (wm != nullptr) XFree(wm);
    if (klass != nullptr) XFree(klass);
  }
  bool Complete() const { return size != nullptr && wm != nullptr && klass != nullptr; }
};

// Scoped XTextProperty filled from one string; value is null when the conversion failed.
struct TextProperty {
  XTextProperty property{};
  bool ok = false;
  explicit TextProperty(const std::string& source) {
    std::string copy = source;
    char* list[] = {copy.data()};
    ok = XStringListToTextProperty(list, 1, &property) != 0;
  }
  ~TextProperty() {
    if (ok && property.value != nullptr) XFree(property.value);
  }
  XTextProperty* Get() { return ok ? &property : nullptr; }
};
}  // namespace

Form::Form(void* context, bool isDialog) : GUIElement(context), isDialog(isDialog) {
  type = "form";
  backColor = -1;
  ElementRegistry::RegisterForm(this);
}

Form::~Form() {
  ElementRegistry::RemoveWinForm(this);
  created = false;
  ReleaseWindow();
  // No form may keep a blocked pointer to this one, nor the loop a stale message box.
  for (Form* form : ElementRegistry::Forms()) {
    if (form->modalChild == this) form->modalChild = nullptr;
    if (form->transientOwner == this) form->transientOwner = nullptr;
  }
  if (ElementRegistry::CurrentMessageBox() == this) ElementRegistry::SetCurrentMessageBox(nullptr);
}

Display* Form::GetDisplay() const {
  return application != nullptr ? application->GetDisplay() : nullptr;
}

void Form::ReleaseWindow() {
  if (window == 0) return;
  // The owner takes the X focus before this window goes: once the window is destroyed the
  // server would hand the focus to the root, and a key typed in between would be lost.
  Form* owner = OwnerToGiveTheKeyboard();
  if (owner != nullptr) owner->TakeInputFocusIfViewable();
  Display* display = GetDisplay();
  if (display != nullptr) {
    XUnmapWindow(display, window);
    XDestroyWindow(display, window);
    XFlush(display);
  }
  ForgetWindow(owner == nullptr);
}

void Form::ForgetDestroyedWindow() {
  ForgetWindow(true);
}

void Form::ForgetWindow(bool ownerNeedsTheXFocus) {
  if (window == 0) return;
  // Forgotten first: an element of this form that loses the focus now has no window to draw
  // its look on, and must not name the one that is gone.
  window = 0;
  ElementRegistry::ClearFocus();
  Form* owner = OwnerToGiveTheKeyboard();
  if (owner == nullptr || ElementRegistry::FocusedElement() != nullptr) return;
  // Without a window manager the X focus would fall back to the root, and the owner's keys
  // with it.
  if (ownerNeedsTheXFocus) owner->TakeInputFocusIfViewable();
  GUIElement* element = owner->RememberedFocus();
  if (element == nullptr) return;
  ElementRegistry::SetFocusedElement(element);
  element->GotFocus();
}

// An owner whose window is gone too (the program ending), or that a dialog blocks, gets
// nothing.
Form* Form::OwnerToGiveTheKeyboard() const {
  Form* owner = transientOwner;
  if (owner == nullptr || !owner->IsCreated() || !owner->IsEnabled()) return nullptr;
  return owner;
}

GUIElement* Form::RememberedFocus() const {
  GUIElement* element = ElementRegistry::FindElementById(rememberedFocusId);
  return element != nullptr && FindForm(element) == this ? element : nullptr;
}

void Form::RememberFocus(const GUIElement* element) {
  rememberedFocusId = element != nullptr ? element->GetId() : 0;
}

int Form::GetActualWidth() {
  return GetActualSize().x;
}

int Form::GetActualHeight() {
  return GetActualSize().y;
}

Point Form::GetActualSize() {
  const Point stored{width, height};
  if (!created || window == 0 || GetDisplay() == nullptr) return stored;
  Window root;
  int gx, gy;
  unsigned int w, h, border, depth;
  if (!XGetGeometry(GetDisplay(), window, &root, &gx, &gy, &w, &h, &border, &depth)) return stored;
  return Point{static_cast<int>(w), static_cast<int>(h)};
}

Point Form::GetPosition() {
  Display* display = GetDisplay();
  if (!created || window == 0 || display == nullptr) return {x, y};
  Window root = RootWindow(display, application->GetScreen());
  int rootX = 0, rootY = 0;
  Window childWindow;
  XTranslateCoordinates(display, window, root, 0, 0, &rootX, &rootY, &childWindow);
  return {rootX, rootY};
}

void Form::SetBackColor(std::int64_t color) {
  backColor = color;
  if (created) UpdateBackColor();
}

void Form::Show() {
  GUIElement::Show();
  if (!created || GetDisplay() == nullptr) return;
  XRaiseWindow(GetDisplay(), window);
  XFlush(GetDisplay());
  if (isDialog) TakeInputFocusIfViewable();
}

void Form::ShowAndMap() {
  GUIElement::Show();
  if (created && GetDisplay() != nullptr) XMapWindow(GetDisplay(), window);
}

void Form::Hide() {
  GUIElement::Hide();
  if (created && GetDisplay() != nullptr) XUnmapWindow(GetDisplay(), window);
}

void Form::SetFocus() {
  if (created && GetDisplay() != nullptr) {
    XSetInputFocus(GetDisplay(), window, RevertToNone, CurrentTime);
  }
  focused = true;
}

bool Form::TakeInputFocusIfViewable() {
  Display* display = GetDisplay();
  if (!created || display == nullptr || window == 0) return false;
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return false;
  if (attributes.map_state != IsViewable) return false;
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  // Without a window manager nothing else would send the request before the next event.
  XFlush(display);
  inputFocusAsked = false;
  return true;
}

// The focus is asked for before anything is drawn, so that whoever sees the window drawn can
// type into it.
void Form::Paint() {
  if (inputFocusAsked) TakeInputFocusIfViewable();
  for (GUIElement* child : ElementRegistry::CollectChildren(id)) {
    if (child->IsDrawable() && child->IsCreated()) child->Paint();
  }
}

void Form::SetFlagA(bool on) {
  if (created) GUIElement::SetFlagA(on);
}

void Form::Create() {
  if (created) return;
  if (application == nullptr || application->GetDisplay() == nullptr) {
    Log("E' necessario impostare il display");
    return;
  }
  Display* display = application->GetDisplay();
  int screen = application->GetScreen();
  unsigned long background = ColorToPixel(display, ColorOrGrey(backColor));
  window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y, width, height, 1,
                               BlackPixel(display, screen), background);
  if (window != 0) SetWindowProperties();
  SetFocus();
  if (window == 0) {
    Log("Errore creazione Form ");
    return;
  }
  AssignId();
  const GUIElement* focusedBefore = ElementRegistry::FocusedElement();
  const std::uint32_t focusedIdBefore = focusedBefore != nullptr ? focusedBefore->GetId() : 0;
  ElementRegistry::SetLoading(true);
  Load(tag == 0 ? id : tag);
  ElementRegistry::SetLoading(false);
  RepaintIfFocusTaken(focusedIdBefore);
  created = true;
  UpdateBackColor();
  AfterCreate();
  XMapWindow(display, window);
  visible = true;
  XFlush(display);
}

void Form::SetWindowProperties() {
  Display* display = GetDisplay();
  // XSetWMProperties, XSetWMProtocols and the lines below each need an atom, a round trip
  // apiece the first time; asked together they cost one, and Xlib's atom cache answers the
  // rest, later title changes included. The first window's start-up is a chain of such round
  // trips. The dialog types come last, so that other forms need not ask for them.
  Atom atoms[kAtomCount];
  XInternAtoms(display, const_cast<char**>(kAtomNames), isDialog ? kAtomCount : kWindowType, False,
               atoms);
  SetStandardProperties();
  SetDesktopProperties(atoms);
  if (isDialog) {
    XChangeProperty(display, window, atoms[kWindowType], XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&atoms[kDialogType]), 1);
  }
}

void Form::SetStandardProperties() {
  WindowHints hints;
  if (!hints.Complete()) {
    Log("XAllocSizeHints/XAllocWMHints/XAllocClassHint failed");
    return;
  }
  Display* display = GetDisplay();
  hints.size->flags = PPosition | PSize | PMinSize | PMaxSize;
  hints.size->x = x;
  hints.size->y = y;
  hints.size->width = hints.size->min_width = hints.size->max_width = width;
  hints.size->height = hints.size->min_height = hints.size->max_height = height;
  FillWMHints(*hints.wm, iconPixmap);

  std::string className = WindowClassName();
  hints.klass->res_name = className.data();
  hints.klass->res_class = className.data();

  TextProperty windowName(GetText());
  TextProperty iconName(WindowIconName());
  if (!windowName.ok || !iconName.ok) Log("XStringListToTextProperty - error");
  // Besides the names and hints this sets WM_CLIENT_MACHINE to this host, which together
  // with _NET_WM_PID ties the window to its process.
  XSetWMProperties(display, window, windowName.Get(), iconName.Get(), nullptr, 0, hints.size,
                   hints.wm, hints.klass);

  wmDeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &wmDeleteWindow, 1);
  XSelectInput(display, window, kEventMask);
}

void Form::SetDesktopProperties(const Atom* atoms) {
  Display* display = GetDisplay();
  long pid = static_cast<long>(getpid());
  XChangeProperty(display, window, atoms[kPid], XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&pid), 1);
  SetUtf8Property(display, window, atoms[kName], atoms[kUtf8String], GetText());
  SetUtf8Property(display, window, atoms[kIconName], atoms[kUtf8String], WindowIconName());
  // A new window has neither property: only what there is to say is sent.
  if (transientOwner != nullptr) ApplyTransientOwner();
  if (!iconImages.empty()) ApplyIconImages(atoms[kIcon]);
}

void Form::SetWindowClass(const std::string& className, const std::string& iconName) {
  WindowClassName() = className.empty() ? program_invocation_short_name : className;
  WindowIconName() = iconName.empty() ? WindowClassName() : iconName;
}

void Form::ApplyPosition() {
  if (window != 0 && GetDisplay() != nullptr) XMoveWindow(GetDisplay(), window, x, y);
}

void Form::ApplySize() {
  if (window != 0 && GetDisplay() != nullptr) {
    XResizeWindow(GetDisplay(), window, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
  }
}

void Form::ApplyBringToFront() {
  if (window != 0 && GetDisplay() != nullptr) XRaiseWindow(GetDisplay(), window);
}

void Form::ApplySendToBack() {
  if (window != 0 && GetDisplay() != nullptr) XLowerWindow(GetDisplay(), window);
}

void Form::ApplyBackColor() {}
void Form::OnChildAdded(GUIElement*) {}
void Form::OnAttributesChanged() {}

void Form::FormHookA() {}
void Form::FormHookB() {}
std::string Form::GetTitle() {
  return GetValue();
}

void Form::SetTitle(const std::string& title) {
  SetText(title);
  if (created) ApplyTitleToWindow();
}

void Form::ApplyTitleToWindow() {
  Atom atoms[kWindowType];
  XInternAtoms(GetDisplay(), const_cast<char**>(kAtomNames), kWindowType, False, atoms);
  SetUtf8Property(GetDisplay(), window, atoms[kName], atoms[kUtf8String], GetText());
  SetUtf8Property(GetDisplay(), window, atoms[kIconName], atoms[kUtf8String], GetText());
  TextProperty title(GetText());
  if (!title.ok) {
    Log("XStringListToTextProperty - out of memory");
    return;
  }
  XSetWMName(GetDisplay(), window, title.Get());
  XSetWMIconName(GetDisplay(), window, title.Get());
}

std::string Form::GetCaption() {
  return GetValue();
}
void Form::SetCaption(const std::string& caption) {
  SetTitle(std::string(caption));
}
void Form::AfterCreate() {}
void Form::OnUserMessage() {}
void Form::FormHookC() {}
void Form::SetStyleFlag1(bool on) {
  styleFlag1 = on;
}
void Form::SetStyleFlag2(bool on) {
  styleFlag2 = on;
}
void Form::SetStyleFlag3(bool on) {
  styleFlag3 = on;
}

void Form::DestroyWindow() {
  created = false;
  inputFocusAsked = false;
  ReleaseWindow();
}

void Form::OnDialogResult(std::uint32_t, int) {}
bool Form::IsDialog() {
  return isDialog;
}

void Form::SetIcon(Pixmap pixmap) {
  iconPixmap = pixmap;
  if (!created || GetDisplay() == nullptr) return;
  XWMHints hints{};
  FillWMHints(hints, pixmap);
  XSetWMHints(GetDisplay(), window, &hints);
}

void Form::SetTransientOwner(Form* owner) {
  transientOwner = owner;
  if (window != 0 && GetDisplay() != nullptr) ApplyTransientOwner();
}

void Form::ApplyTransientOwner() {
  if (transientOwner != nullptr && transientOwner->window != 0) {
    XSetTransientForHint(GetDisplay(), window, transientOwner->window);
  } else {
    XDeleteProperty(GetDisplay(), window, XA_WM_TRANSIENT_FOR);
  }
}

void Form::SetIconImages(std::vector<WindowIcon> images) {
  iconImages = std::move(images);
  if (window != 0 && GetDisplay() != nullptr) {
    ApplyIconImages(XInternAtom(GetDisplay(), "_NET_WM_ICON", False));
  }
}

void Form::ApplyIconImages(Atom iconAtom) {
  std::vector<unsigned long> items = IconProperty(iconImages);
  if (items.empty()) {
    XDeleteProperty(GetDisplay(), window, iconAtom);
    return;
  }
  XChangeProperty(GetDisplay(), window, iconAtom, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(items.data()), static_cast<int>(items.size()));
}

void Form::SetClientSize(int w, int h) {
  SetClientSizeEx(w, h, true);
}

void Form::SetClientSizeEx(int w, int h, bool adjust) {
  if (!created) return;
  int dw = std::max(0, GetWidth() - GetActualWidth());
  int dh = std::max(0, GetHeight() - GetActualHeight());
  if (adjust) {
    Point position = GetPosition();
    SetPosition(position.x - dw, position.y - 2 * dh);
  }
  SetSize(w + dw, h + dh);
}

void Form::SetStyleFlag4(bool on) {
  styleFlag4 = on;
}
void Form::SetStyleFlag5(bool on) {
  styleFlag5 = on;
}
void Form::SetModalChild(Form* form) {
  modalChild = form;
}

void Form::SetBounds(int newX, int newY, int w, int h) {
  x = newX;
  y = newY;
  width = w;
  height = h;
}

void Form::SetApplication(DisplayHost* app) {
  application = app;
}
DisplayHost* Form::GetApplication() {
  return application;
}

void Form::CenterOnScreen() {
  // A form without a host centres on the default host's screen; 0 x 0 when there is none.
  const DisplayHost* host = application != nullptr ? application : DisplayHost::Default();
  int screenW = host != nullptr ? host->GetScreenWidth() : 0;
  int screenH = host != nullptr ? host->GetScreenHeight() : 0;
  MoveTo((screenW - width) / 2, (screenH - height) / 2);
}

void Form::Open() {
  if (!created) Create();
  visible = true;
}

void Form::OpenAgain() {
  Open();
}
Window Form::GetWindow() {
  return window;
}

void Form::SetFlagBIfCreated() {
  if (created) SetFlagB(true);
}

void Form::ClearFlagBIfCreated() {
  if (created) SetFlagB(false);
}

XFontStruct* SharedFont() {
  Form* first = ElementRegistry::FirstForm();
  if (first == nullptr || first->GetApplication() == nullptr) return nullptr;
  Display* display = first->GetApplication()->GetDisplay();
  if (display == nullptr) return nullptr;
  return first->GetFont().GetFontStruct(display);
}

PaintTarget PaintTargetOf(Form* form) {
  if (form == nullptr) form = ElementRegistry::FirstForm();
  DisplayHost* app = form != nullptr ? form->GetApplication() : nullptr;
  if (app == nullptr || app->GetDisplay() == nullptr) return {};
  return {app->GetDisplay(), form->GetWindow(), SharedFont()};
}

}  // namespace tessarin
