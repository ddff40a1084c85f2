// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "support/InputStorm.h"

#include <X11/keysym.h>

#include <algorithm>
#include <numeric>
#include <thread>

#include "support/ProcessProbe.h"

namespace {

// How far past a window's edge a point may fall.
constexpr int kOutside = 40;
constexpr std::size_t kRecentKept = 60;
constexpr int kMaxTextLength = 6;

const KeySym kNamedKeySyms[] = {XK_Tab,   XK_Return, XK_space,  XK_Escape,    XK_Left,
                                XK_Right, XK_Up,     XK_Down,   XK_BackSpace, XK_Delete,
                                XK_Home,  XK_End,    XK_Shift_L};

// Keys the test server's keyboard lacks, put on spare key codes: letters beyond ASCII, whose
// characters arrive as negative chars, and a sign that is no Latin-1 character at all.
const std::vector<std::pair<KeySym, KeySym>> kForeignKeys = {
    {XK_agrave, XK_Agrave}, {XK_egrave, XK_eacute}, {XK_ograve, XK_ugrave}, {XK_ccedilla, 0x20ac}};

std::string Describe(int x, int y) {
  return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

bool Inside(int x, int y, int left, int top, int width, int height) {
  return x >= left && y >= top && x < left + width && y < top + height;
}

bool TitleStarts(const WindowFacts& window, const std::string& prefix) {
  return window.name.rfind(prefix, 0) == 0;
}

}  // namespace

const InputStorm::Kind InputStorm::kKinds[] = {
    {"click", 20, &InputStorm::ClickAnywhere},
    {"aimed click", 14, &InputStorm::ClickTarget},
    {"press", 6, &InputStorm::PressAlone},
    {"release", 6, &InputStorm::ReleaseAlone},
    {"move", 6, &InputStorm::MoveAlone},
    {"drag", 8, &InputStorm::Drag},
    {"other button", 3, &InputStorm::ClickOtherButton},
    {"key", 16, &InputStorm::TypeNamedKey},
    {"text", 8, &InputStorm::TypeText},
    {"focus", 5, &InputStorm::FocusWindow},
    {"raise", 2, &InputStorm::RaiseWindow},
    {"close", 4, &InputStorm::CloseWindow},
};

InputStorm::InputStorm(RemoteScreen& screen, StormPlan plan, std::uint64_t seed)
    : screen(screen), plan(std::move(plan)), random(seed) {
  const auto add = [&](std::vector<Typed>& keys, KeySym keysym) {
    const auto& untyped = this->plan.untyped;
    if (std::find(untyped.begin(), untyped.end(), keysym) != untyped.end()) return;
    Typed key{keysym};
    key.code = screen.KeycodeFor(keysym, key.shifted);
    if (key.code != 0) keys.push_back(key);
  };
  for (KeySym keysym : kNamedKeySyms) add(namedKeys, keysym);
  for (KeySym keysym = XK_space; keysym <= XK_asciitilde; ++keysym) add(textKeys, keysym);
  const std::vector<KeyCode> foreign = screen.MapSpareKeys(kForeignKeys);
  for (std::size_t i = 0; i < foreign.size(); ++i) {
    textKeys.push_back({kForeignKeys[i].first, foreign[i], false});
    textKeys.push_back({kForeignKeys[i].second, foreign[i], true});
  }
}

void InputStorm::Attach(pid_t pid, std::chrono::milliseconds wait) {
  program = pid;
  patience = wait;
}

bool InputStorm::Step() {
  windows = WindowsOf(screen, program);
  static const int totalWeight =
      std::accumulate(std::begin(kKinds), std::end(kKinds), 0,
                      [](int sum, const Kind& k) { return sum + k.weight; });
  int draw = Uniform(0, totalWeight - 1);
  const Kind* kind = std::begin(kKinds);
  while (draw >= kind->weight) draw -= (kind++)->weight;
  ++sent;
  for (const WindowFacts& window : windows) ++inputsWhileOpen[Named(window)];
  Note(kind->name);
  (this->*kind->send)();
  return WaitUntilIdle();
}

bool InputStorm::Finish() {
  screen.ReleaseHeldButtons();
  std::fill(std::begin(buttonDown), std::end(buttonDown), false);
  return WaitUntilIdle();
}

std::string InputStorm::Recent() const {
  std::string text;
  for (const std::string& line : recent) text += line + "\n";
  return text;
}

std::string InputStorm::Coverage() const {
  std::string text;
  for (const auto& [window, inputs] : inputsWhileOpen) {
    text += (text.empty() ? "" : ", ") + window + " " + std::to_string(inputs);
  }
  return text;
}

void InputStorm::Note(const std::string& what) {
  const std::string line = "#" + std::to_string(sent) + " " + what;
  if (recent.empty() || recent.back().rfind("#" + std::to_string(sent) + " ", 0) != 0) {
    recent.push_back(line);
  } else {
    recent.back() += " " + what;
  }
  if (recent.size() > kRecentKept) recent.pop_front();
}

int InputStorm::Uniform(int low, int high) {
  // Plain modulo: a slight bias matters less here than the same numbers from every library.
  return low + static_cast<int>(random() % static_cast<std::uint64_t>(high - low + 1));
}

std::vector<WindowFacts> WindowsOf(const RemoteScreen& screen, pid_t program) {
  std::vector<WindowFacts> found;
  for (Window window : screen.TopLevelWindows()) {
    const auto facts = screen.Describe(window);
    if (!facts || !facts->viewable) continue;
    const auto owner = screen.Cardinals(window, "_NET_WM_PID");
    if (owner.size() == 1 && static_cast<pid_t>(owner[0]) == program) found.push_back(*facts);
  }
  return found;
}

const WindowFacts* InputStorm::WindowTitled(const std::string& prefix) const {
  for (const WindowFacts& window : windows) {
    if (TitleStarts(window, prefix)) return &window;
  }
  return nullptr;
}

const WindowFacts* InputStorm::PickWindow() {
  if (windows.empty()) return nullptr;
  // Most input goes to the topmost window, where a user's attention is.
  const int last = static_cast<int>(windows.size()) - 1;
  return &windows[Uniform(0, 9) < 6 ? last : Uniform(0, last)];
}

std::optional<XPoint> InputStorm::PickPoint(const WindowFacts& window) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    int x = 0, y = 0;
    const int where = Uniform(0, 99);
    if (where < 70) {
      x = Uniform(0, window.width - 1);
      y = Uniform(0, window.height - 1);
    } else if (where < 85) {
      // On an edge: the last pixel or two inside it, or the first outside.
      const int offset = Uniform(-2, 1);
      x = Uniform(0, window.width - 1);
      y = Uniform(0, window.height - 1);
      switch (Uniform(0, 3)) {
        case 0:
          x = offset;
          break;
        case 1:
          x = window.width - 1 - offset;
          break;
        case 2:
          y = offset;
          break;
        default:
          y = window.height - 1 - offset;
          break;
      }
    } else {
      x = Uniform(-kOutside, window.width + kOutside);
      y = Uniform(-kOutside, window.height + kOutside);
    }
    const XPoint point{static_cast<short>(window.x + x), static_cast<short>(window.y + y)};
    if (!KeptOff(point.x, point.y)) return point;
  }
  return std::nullopt;
}

bool InputStorm::KeptOff(int rootX, int rootY) const {
  for (const StormArea& area : plan.keepOff) {
    // An element holds the points on its right and bottom edges too: one pixel more.
    const WindowFacts* window = WindowTitled(area.window);
    if (window != nullptr && Inside(rootX, rootY, window->x + area.x, window->y + area.y,
                                    area.width + 1, area.height + 1)) {
      return true;
    }
  }
  return false;
}

bool InputStorm::ReturnIsKept() const {
  // The focused element is one for the whole program, not one per window: Return typed into
  // any window reaches a button that Tab has reached in a kept window.
  for (const std::string& prefix : plan.noReturn) {
    if (WindowTitled(prefix) != nullptr) return true;
  }
  return false;
}

std::string InputStorm::Named(const WindowFacts& window) {
  constexpr std::size_t kShown = 12;
  return "\"" + window.name.substr(0, kShown) + "\"";
}

std::string InputStorm::Where(XPoint point) const {
  for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
    if (Inside(point.x, point.y, window->x, window->y, window->width, window->height)) {
      return Named(*window) + Describe(point.x - window->x, point.y - window->y);
    }
  }
  return "root" + Describe(point.x, point.y);
}

void InputStorm::MoveTo(XPoint point) const {
  screen.MovePointerOnRoot(point.x, point.y);
}

void InputStorm::SetButton(unsigned int button, bool down) {
  // Pressing a button that is already down, or releasing one that is up, is no input.
  if (buttonDown[button] == down) return;
  buttonDown[button] = down;
  screen.Button(button, down);
}

void InputStorm::Type(const Typed& key) const {
  bool shiftIsOnItsKey = false;
  const KeyCode shift = screen.KeycodeFor(XK_Shift_L, shiftIsOnItsKey);
  if (key.shifted) screen.Key(shift, true);
  screen.Key(key.code, true);
  screen.Key(key.code, false);
  if (key.shifted) screen.Key(shift, false);
}

std::optional<XPoint> InputStorm::PointToGo() {
  const WindowFacts* window = PickWindow();
  const auto point = window != nullptr ? PickPoint(*window) : std::nullopt;
  if (point) {
    Note(Where(*point));
    MoveTo(*point);
  }
  return point;
}

void InputStorm::ClickAnywhere() {
  if (const auto point = PointToGo()) {
    SetButton(1, true);
    SetButton(1, false);
  }
}

void InputStorm::ClickTarget() {
  std::vector<const StormArea*> open;
  for (const StormArea& area : plan.targets) {
    if (WindowTitled(area.window) != nullptr) open.push_back(&area);
  }
  if (open.empty()) return;
  const StormArea& area = *open[Uniform(0, static_cast<int>(open.size()) - 1)];
  const WindowFacts* window = WindowTitled(area.window);
  const XPoint point{static_cast<short>(window->x + area.x + Uniform(0, area.width - 1)),
                     static_cast<short>(window->y + area.y + Uniform(0, area.height - 1))};
  if (KeptOff(point.x, point.y)) return;
  Note(Where(point));
  MoveTo(point);
  SetButton(1, true);
  SetButton(1, false);
}

void InputStorm::PressAlone() {
  if (PointToGo()) SetButton(1, true);
}

void InputStorm::ReleaseAlone() {
  if (PointToGo()) SetButton(1, false);
}

void InputStorm::MoveAlone() {
  PointToGo();
}

void InputStorm::Drag() {
  const WindowFacts* window = PickWindow();
  auto point = window != nullptr ? PickPoint(*window) : std::nullopt;
  if (!point) return;
  Note("from " + Where(*point));
  MoveTo(*point);
  SetButton(1, true);
  // A few steps, each a short way on or a jump to anywhere around any window, the last one
  // where the button goes up.
  for (int steps = Uniform(1, 4); steps > 0; --steps) {
    if (Uniform(0, 2) > 0) {
      const XPoint near{static_cast<short>(point->x + Uniform(-30, 30)),
                        static_cast<short>(point->y + Uniform(-30, 30))};
      if (!KeptOff(near.x, near.y)) point = near;
    } else if (const WindowFacts* other = PickWindow()) {
      point = PickPoint(*other).value_or(*point);
    }
    MoveTo(*point);
  }
  Note("to " + Where(*point));
  SetButton(1, false);
}

void InputStorm::ClickOtherButton() {
  const auto button = static_cast<unsigned int>(Uniform(2, 5));
  Note(std::to_string(button));
  if (PointToGo()) {
    SetButton(button, true);
    SetButton(button, false);
  }
}

void InputStorm::TypeNamedKey() {
  Typed key = namedKeys[Uniform(0, static_cast<int>(namedKeys.size()) - 1)];
  if (key.keysym == XK_Return && ReturnIsKept()) key = namedKeys.front();
  Note(XKeysymToString(key.keysym));
  Type(key);
}

void InputStorm::TypeText() {
  for (int length = Uniform(1, kMaxTextLength); length > 0; --length) {
    const Typed& key = textKeys[Uniform(0, static_cast<int>(textKeys.size()) - 1)];
    Note(XKeysymToString(key.keysym));
    Type(key);
  }
}

void InputStorm::FocusWindow() {
  const WindowFacts* window = PickWindow();
  // Now and then the focus goes back to following the pointer, as with no window manager.
  if (window == nullptr || Uniform(0, 4) == 0) {
    Note("pointer root");
    screen.Focus(PointerRoot);
    return;
  }
  Note(Named(*window));
  screen.Focus(window->id);
}

void InputStorm::RaiseWindow() {
  if (const WindowFacts* window = PickWindow()) {
    Note(Named(*window));
    screen.Raise(window->id);
  }
}

void InputStorm::CloseWindow() {
  std::vector<const WindowFacts*> closable;
  for (const WindowFacts& window : windows) {
    const bool kept =
        std::any_of(plan.noClose.begin(), plan.noClose.end(),
                    [&](const std::string& prefix) { return TitleStarts(window, prefix); });
    if (!kept) closable.push_back(&window);
  }
  if (closable.empty()) return;
  const WindowFacts& window = *closable[Uniform(0, static_cast<int>(closable.size()) - 1)];
  Note(Named(window));
  screen.SendCloseRequest(window.id);
}

bool InputStorm::WaitUntilIdle() const {
  // Two round trips before each look: the first may come back while the server is still
  // writing to the program the events the input caused; the second is answered only after
  // that write. The look must hold twice, for an event the program's answer brings back.
  const auto settled = [this] {
    screen.Sync();
    screen.Sync();
    return WaitsInSelect(program);
  };
  const auto giveUpAt = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < giveUpAt) {
    if (settled() && settled()) return true;
    if (!ProcessIsAlive(program)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}
