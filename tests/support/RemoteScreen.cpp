// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "support/RemoteScreen.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <sys/socket.h>

#include <algorithm>

#include "support/Waiting.h"

namespace {

// The windows belong to another process and may vanish between two requests; such a
// request fails quietly instead of ending the test process.
int IgnoreXErrors(Display*, XErrorEvent*) {
  return 0;
}

std::string FetchName(Display* display, Window window) {
  char* name = nullptr;
  if (XFetchName(display, window, &name) == 0 || name == nullptr) return "";
  std::string text = name;
  XFree(name);
  return text;
}

}  // namespace

int Picture::Count(unsigned long colour) const {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

int Picture::CountOtherThan(unsigned long colour) const {
  return static_cast<int>(pixels.size()) - Count(colour);
}

RemoteScreen::RemoteScreen(const char* displayName) {
  display = XOpenDisplay(displayName);
  previousHandler = XSetErrorHandler(IgnoreXErrors);
}

RemoteScreen::~RemoteScreen() {
  if (display != nullptr) {
    ReleaseHeldButtons();
    // The server outlives the test: give the borrowed key codes back their empty mapping.
    KeySym none = NoSymbol;
    for (KeyCode code : mappedSpareKeys) XChangeKeyboardMapping(display, code, 1, &none, 1);
    XCloseDisplay(display);
  }
  XSetErrorHandler(previousHandler);
}

bool RemoteScreen::HasXTest() const {
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  return XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) != 0;
}

pid_t RemoteScreen::ServerPid() const {
  ucred peer{};
  socklen_t length = sizeof peer;
  if (getsockopt(ConnectionNumber(display), SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) return 0;
  return peer.pid;
}

void RemoteScreen::WatchNewWindows() {
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
  }
}

Window RemoteScreen::TakeMappedWindow(int width, int height) {
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify || event.xmap.event != DefaultRootWindow(display)) continue;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
        attributes.width == width && attributes.height == height) {
      return event.xmap.window;
    }
  }
  return 0;
}

Atom RemoteScreen::Intern(const char* name) const {
  return XInternAtom(display, name, False);
}

bool RemoteScreen::HasWindowManager() const {
  // The manager names a window of its own on the root window, and that window names itself.
  const auto check = Cardinals(DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK");
  if (check.size() != 1 || check[0] == 0) return false;
  const auto self = Cardinals(static_cast<Window>(check[0]), "_NET_SUPPORTING_WM_CHECK");
  return self.size() == 1 && self[0] == check[0];
}

std::vector<Window> RemoteScreen::TopLevelWindows() const {
  std::vector<Window> windows;
  if (HasWindowManager()) {
    for (unsigned long client :
         Cardinals(DefaultRootWindow(display), "_NET_CLIENT_LIST_STACKING")) {
      windows.push_back(static_cast<Window>(client));
    }
    return windows;
  }
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
    return windows;
  }
  windows.assign(children, children + count);
  if (children != nullptr) XFree(children);
  return windows;
}

bool RemoteScreen::IsDialogType(Window window, bool& hasType) const {
  Atom actualType = 0;
  int actualFormat = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  hasType = false;
  if (XGetWindowProperty(display, window, Intern("_NET_WM_WINDOW_TYPE"), 0, 16, False, XA_ATOM,
                         &actualType, &actualFormat, &count, &remaining, &data) != Success) {
    return false;
  }
  bool dialog = false;
  if (data != nullptr && actualFormat == 32) {
    hasType = count > 0;
    const Atom dialogType = Intern("_NET_WM_WINDOW_TYPE_DIALOG");
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    dialog = std::find(atoms, atoms + count, dialogType) != atoms + count;
  }
  if (data != nullptr) XFree(data);
  return dialog;
}

std::optional<WindowFacts> RemoteScreen::Describe(Window window) const {
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) == 0) return std::nullopt;
  WindowFacts facts;
  facts.id = window;
  facts.viewable = attributes.map_state == IsViewable;
  facts.width = attributes.width;
  facts.height = attributes.height;
  const XPoint origin = Translate(window, DefaultRootWindow(display), 0, 0);
  facts.x = origin.x;
  facts.y = origin.y;
  facts.name = FetchName(display, window);
  XClassHint classHint{};
  if (XGetClassHint(display, window, &classHint) != 0) {
    facts.instanceName = classHint.res_name != nullptr ? classHint.res_name : "";
    facts.className = classHint.res_class != nullptr ? classHint.res_class : "";
    if (classHint.res_name != nullptr) XFree(classHint.res_name);
    if (classHint.res_class != nullptr) XFree(classHint.res_class);
  }
  facts.isDialog = IsDialogType(window, facts.hasWindowType);
  return facts;
}

std::optional<WindowFacts> RemoteScreen::FindWindow(
    const std::function<bool(const WindowFacts&)>& wanted) const {
  for (Window window : TopLevelWindows()) {
    const auto facts = Describe(window);
    if (facts && facts->viewable && wanted(*facts)) return facts;
  }
  return std::nullopt;
}

std::optional<WindowFacts> RemoteScreen::WaitForWindow(
    const std::function<bool(const WindowFacts&)>& wanted) const {
  std::optional<WindowFacts> found;
  waiting::WaitUntil([&] { return (found = FindWindow(wanted)).has_value(); });
  return found;
}

bool RemoteScreen::WaitUntilGone(Window window) const {
  return waiting::WaitUntil([&] {
    const auto facts = Describe(window);
    return !facts || !facts->viewable;
  });
}

bool RemoteScreen::IsAbove(Window upper, Window lower) const {
  const std::vector<Window> stack = TopLevelWindows();
  const auto upperAt = std::find(stack.begin(), stack.end(), upper);
  const auto lowerAt = std::find(stack.begin(), stack.end(), lower);
  return upperAt != stack.end() && lowerAt != stack.end() && upperAt > lowerAt;
}

std::optional<XSizeHints> RemoteScreen::NormalHints(Window window) const {
  XSizeHints hints{};
  long supplied = 0;
  if (XGetWMNormalHints(display, window, &hints, &supplied) == 0) return std::nullopt;
  return hints;
}

std::vector<std::string> RemoteScreen::Protocols(Window window) const {
  std::vector<std::string> names;
  Atom* protocols = nullptr;
  int count = 0;
  if (XGetWMProtocols(display, window, &protocols, &count) == 0) return names;
  for (int i = 0; i < count; ++i) {
    char* name = XGetAtomName(display, protocols[i]);
    if (name != nullptr) {
      names.emplace_back(name);
      XFree(name);
    }
  }
  if (protocols != nullptr) XFree(protocols);
  return names;
}

std::vector<unsigned long> RemoteScreen::Cardinals(Window window, const char* name) const {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> items;
  if (XGetWindowProperty(display, window, Intern(name), 0, 1 << 16, False, AnyPropertyType, &type,
                         &format, &count, &remaining, &data) != Success) {
    return items;
  }
  // Xlib hands each 32-bit item over as a long, sign-extended.
  const auto* numbers = reinterpret_cast<const long*>(data);
  for (unsigned long i = 0; data != nullptr && format == 32 && i < count; ++i) {
    items.push_back(static_cast<unsigned long>(numbers[i]) & 0xFFFFFFFFul);
  }
  if (data != nullptr) XFree(data);
  return items;
}

std::string RemoteScreen::Text(Window window, const char* name, std::string* typeName) const {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display, window, Intern(name), 0, 1 << 16, False, AnyPropertyType, &type,
                         &format, &count, &remaining, &data) != Success) {
    return text;
  }
  if (data != nullptr && format == 8) text.assign(reinterpret_cast<char*>(data), count);
  if (data != nullptr) XFree(data);
  if (typeName != nullptr) {
    char* atomName = type != 0 ? XGetAtomName(display, type) : nullptr;
    *typeName = atomName != nullptr ? atomName : "";
    if (atomName != nullptr) XFree(atomName);
  }
  return text;
}

std::optional<XWMHints> RemoteScreen::WmHints(Window window) const {
  XWMHints* hints = XGetWMHints(display, window);
  if (hints == nullptr) return std::nullopt;
  XWMHints copy = *hints;
  XFree(hints);
  return copy;
}

Window RemoteScreen::TransientFor(Window window) const {
  Window owner = 0;
  return XGetTransientForHint(display, window, &owner) != 0 ? owner : 0;
}

Window RemoteScreen::FocusedWindow() const {
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  return focus;
}

Window RemoteScreen::ActiveWindow() const {
  const std::vector<unsigned long> active =
      Cardinals(DefaultRootWindow(display), "_NET_ACTIVE_WINDOW");
  return active.empty() ? 0 : static_cast<Window>(active.front());
}

unsigned long RemoteScreen::PixelAt(Window window, int x, int y) const {
  const auto picture = Grab(window, x, y, 1, 1);
  return picture ? picture->pixels[0] : ~0ul;
}

std::optional<Picture> RemoteScreen::Grab(Window window, int x, int y, int width,
                                          int height) const {
  XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (image == nullptr) return std::nullopt;
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.reserve(static_cast<std::size_t>(width * height));
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      picture.pixels.push_back(XGetPixel(image, column, row) & 0xFFFFFF);
    }
  }
  XDestroyImage(image);
  return picture;
}

XPoint RemoteScreen::Translate(Window from, Window to, int x, int y) const {
  int toX = 0, toY = 0;
  Window child = 0;
  XTranslateCoordinates(display, from, to, x, y, &toX, &toY, &child);
  return XPoint{static_cast<short>(toX), static_cast<short>(toY)};
}

void RemoteScreen::MovePointer(Window window, int x, int y) const {
  const XPoint onRoot = Translate(window, DefaultRootWindow(display), x, y);
  XTestFakeMotionEvent(display, DefaultScreen(display), onRoot.x, onRoot.y, CurrentTime);
  XSync(display, False);
}

void RemoteScreen::Press(Window window, int x, int y) const {
  MovePointer(window, x, y);
  XTestFakeButtonEvent(display, Button1, True, CurrentTime);
  XSync(display, False);
}

void RemoteScreen::Release(Window window, int x, int y) const {
  MovePointer(window, x, y);
  XTestFakeButtonEvent(display, Button1, False, CurrentTime);
  XSync(display, False);
}

void RemoteScreen::Click(Window window, int x, int y) const {
  Press(window, x, y);
  Release(window, x, y);
}

void RemoteScreen::TypeKey(KeySym keysym) const {
  const KeyCode code = XKeysymToKeycode(display, keysym);
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  XSync(display, False);
}

void RemoteScreen::TypeKeyWith(KeySym modifier, KeySym keysym) const {
  const KeyCode held = modifier != 0 ? XKeysymToKeycode(display, modifier) : 0;
  if (held != 0) XTestFakeKeyEvent(display, held, True, CurrentTime);
  TypeKey(keysym);
  if (held != 0) XTestFakeKeyEvent(display, held, False, CurrentTime);
  XSync(display, False);
}

void RemoteScreen::ReleaseHeldButtons() const {
  // The server outlives the test: a button left down would change the next test.
  Window root = 0, child = 0;
  int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
  unsigned int mask = 0;
  XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &windowX,
                &windowY, &mask);
  const unsigned int buttonMasks[] = {Button1Mask, Button2Mask, Button3Mask, Button4Mask,
                                      Button5Mask};
  for (unsigned int button = 1; button <= 5; ++button) {
    if (mask & buttonMasks[button - 1]) XTestFakeButtonEvent(display, button, False, CurrentTime);
  }
  XSync(display, False);
}

void RemoteScreen::Focus(Window window) const {
  XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
  XSync(display, False);
}

void RemoteScreen::Raise(Window window) const {
  XRaiseWindow(display, window);
  XSync(display, False);
}

void RemoteScreen::SendCloseRequest(Window window) const {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = Intern("WM_PROTOCOLS");
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(Intern("WM_DELETE_WINDOW"));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
}

void RemoteScreen::DestroyWindow(Window window) const {
  XDestroyWindow(display, window);
  XSync(display, False);
}

bool RemoteScreen::SetFontPath(const std::vector<std::string>& folders) const {
  std::vector<char*> names;
  for (const std::string& folder : folders) names.push_back(const_cast<char*>(folder.c_str()));
  XSetFontPath(display, names.data(), static_cast<int>(names.size()));
  int count = 0;
  char** path = XGetFontPath(display, &count);
  // A folder the server refuses leaves the old path in place.
  std::vector<std::string> now(path, path + (path != nullptr ? count : 0));
  if (path != nullptr) XFreeFontPath(path);
  return now == folders;
}

void RemoteScreen::MovePointerOnRoot(int x, int y) const {
  XTestFakeMotionEvent(display, DefaultScreen(display), x, y, CurrentTime);
  XFlush(display);
}

void RemoteScreen::Button(unsigned int button, bool down) const {
  XTestFakeButtonEvent(display, button, down ? True : False, CurrentTime);
  XFlush(display);
}

void RemoteScreen::Key(KeyCode code, bool down) const {
  XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
  XFlush(display);
}

KeyCode RemoteScreen::KeycodeFor(KeySym keysym, bool& shifted) const {
  const KeyCode code = XKeysymToKeycode(display, keysym);
  shifted = code != 0 && XkbKeycodeToKeysym(display, code, 0, 0) != keysym;
  return code;
}

std::vector<KeyCode> RemoteScreen::MapSpareKeys(
    const std::vector<std::pair<KeySym, KeySym>>& pairs) {
  int first = 0, last = 0, perCode = 0;
  XDisplayKeycodes(display, &first, &last);
  KeySym* map =
      XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perCode);
  std::vector<KeyCode> codes;
  if (map == nullptr) return codes;
  for (int code = first; code <= last && codes.size() < pairs.size(); ++code) {
    const KeySym* symbols = map + (code - first) * perCode;
    if (std::any_of(symbols, symbols + perCode, [](KeySym symbol) { return symbol != NoSymbol; })) {
      continue;
    }
    KeySym both[] = {pairs[codes.size()].first, pairs[codes.size()].second};
    XChangeKeyboardMapping(display, code, 2, both, 1);
    codes.push_back(static_cast<KeyCode>(code));
  }
  XFree(map);
  mappedSpareKeys.insert(mappedSpareKeys.end(), codes.begin(), codes.end());
  XSync(display, False);
  return codes;
}

void RemoteScreen::Sync() const {
  XSync(display, False);
}
