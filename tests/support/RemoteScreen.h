// Looks at and drives the windows of another process on the private X server, the way a
// player and a window manager would: finds top-level windows and reads their properties,
// reads pixels back with XGetImage, and sends real input through XTEST. Usually there is no
// window manager on the test server, and windows are found among the root window's
// children; while a test runs one, they are the clients it lists, in its stacking order.
#pragma once

// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A rectangle of pixels, each 0xRRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned long> pixels;

  unsigned long At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  int Count(unsigned long colour) const;
  int CountOtherThan(unsigned long colour) const;
  bool operator==(const Picture& other) const {
    return width == other.width && height == other.height && pixels == other.pixels;
  }
  bool operator!=(const Picture& other) const { return !(*this == other); }
};

struct WindowFacts {
  Window id = 0;
  std::string name;
  std::string instanceName;
  std::string className;
  bool hasWindowType = false;
  bool isDialog = false;
  bool viewable = false;
  // The inside of the window, in root coordinates.
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class RemoteScreen {
 public:
  // The server named by DISPLAY, or the one named here.
  explicit RemoteScreen(const char* displayName = nullptr);
  ~RemoteScreen();
  RemoteScreen(const RemoteScreen&) = delete;
  RemoteScreen& operator=(const RemoteScreen&) = delete;

  bool IsOpen() const { return display != nullptr; }
  bool HasXTest() const;
  // The X server's process, when it runs on this machine; 0 when it cannot be told.
  pid_t ServerPid() const;

  // Children of the root window, or the window manager's clients, lowest first.
  std::vector<Window> TopLevelWindows() const;
  // A window manager that follows the extended hints is running.
  bool HasWindowManager() const;
  std::optional<WindowFacts> Describe(Window window) const;
  // The first viewable top-level window that `wanted` accepts, waiting for it to appear.
  std::optional<WindowFacts> WaitForWindow(
      const std::function<bool(const WindowFacts&)>& wanted) const;
  std::optional<WindowFacts> FindWindow(
      const std::function<bool(const WindowFacts&)>& wanted) const;
  // Windows mapped from now on are learnt from the server's own notices, which costs it nothing
  // while a benchmark waits; polling the window tree would compete with the program under test
  // for the single-threaded server. TakeMappedWindow: one of this size mapped since, or 0.
  void WatchNewWindows();
  Window TakeMappedWindow(int width, int height);
  // Waits until the window is destroyed or unmapped.
  bool WaitUntilGone(Window window) const;
  bool IsAbove(Window upper, Window lower) const;
  std::optional<XSizeHints> NormalHints(Window window) const;
  std::vector<std::string> Protocols(Window window) const;
  // A 32-bit property, one number per item; empty when there is none.
  std::vector<unsigned long> Cardinals(Window window, const char* name) const;
  // An 8-bit property (STRING or UTF8_STRING) as bytes, and the name of its type.
  std::string Text(Window window, const char* name, std::string* type = nullptr) const;
  std::optional<XWMHints> WmHints(Window window) const;
  // The window this one is transient for; 0 for none.
  Window TransientFor(Window window) const;
  Window FocusedWindow() const;
  // The window that the window manager last made active (_NET_ACTIVE_WINDOW); 0 for none.
  Window ActiveWindow() const;

  unsigned long PixelAt(Window window, int x, int y) const;
  std::optional<Picture> Grab(Window window, int x, int y, int width, int height) const;
  // Where a point of `from` lies in `to`'s coordinates.
  XPoint Translate(Window from, Window to, int x, int y) const;

  // Input at points relative to the window.
  void MovePointer(Window window, int x, int y) const;
  void Press(Window window, int x, int y) const;
  void Release(Window window, int x, int y) const;
  void Click(Window window, int x, int y) const;
  void TypeKey(KeySym keysym) const;
  // Types keysym while the modifier key (Control_L, Shift_L, ...; 0 for none) is held.
  void TypeKeyWith(KeySym modifier, KeySym keysym) const;
  void ReleaseHeldButtons() const;

  // Input one step at a time, as a random storm sends it: the pointer to a point of the root
  // window, any button or key code pressed or released wherever the pointer is.
  void MovePointerOnRoot(int x, int y) const;
  void Button(unsigned int button, bool down) const;
  void Key(KeyCode code, bool down) const;
  // The key code that types keysym, and whether Shift must be held for it; 0 when none does.
  KeyCode KeycodeFor(KeySym keysym, bool& shifted) const;
  // Puts each pair of keysyms (plain, with Shift) on a key code that had none, until this
  // object goes; the codes in the same order, fewer when the keyboard has no spare codes left.
  // Programs started afterwards see the keys from the start.
  std::vector<KeyCode> MapSpareKeys(const std::vector<std::pair<KeySym, KeySym>>& pairs);
  // Returns once the server has handled every request sent before.
  void Sync() const;

  // What a window manager does.
  void Focus(Window window) const;
  void Raise(Window window) const;
  void SendCloseRequest(Window window) const;
  // What another client may do to a window it does not own (xdotool windowclose).
  void DestroyWindow(Window window) const;

  // What `xset fp` does: the server looks for core fonts only in these folders from now on.
  bool SetFontPath(const std::vector<std::string>& folders) const;

 private:
  Atom Intern(const char* name) const;
  bool IsDialogType(Window window, bool& hasType) const;

  Display* display = nullptr;
  XErrorHandler previousHandler = nullptr;
  std::vector<KeyCode> mappedSpareKeys;
};
