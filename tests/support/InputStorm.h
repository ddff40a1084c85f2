// A storm of random input for one of our programs, drawn from a seed and sent through XTEST to
// every window the program shows, the way a restless user and a window manager would: clicks,
// presses, releases and drags within and across windows and past their edges, other buttons,
// keys and typed text, focus, raise and close requests. The storm knows the program only
// through its plan: the controls worth aiming at, and the ways of ending it that must wait
// until the storm is over. After each input it waits until the program idles again, so that a
// seed replays the same storm until the program answers by the clock (two clicks close enough
// in time make a double click; timers tick); from there a replay may part ways. The storm
// borrows the screen; it owns its random state.
#pragma once

// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/RemoteScreen.h"

// An area of a window, in the window's coordinates. The window is the program's window whose
// title starts with `window`.
struct StormArea {
  std::string window;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// What the storm aims at, and what it leaves alone so that the program lives to the end: it
// never puts the pointer over a kept-off area, sends Return while a window is open that Return
// might answer for good, or asks a window to close whose close ends the program.
struct StormPlan {
  std::vector<StormArea> targets;
  std::vector<StormArea> keepOff;
  std::vector<std::string> noReturn;
  std::vector<std::string> noClose;
  // Keys it never types: one that makes the program take memory once for good (the game's
  // hint tables) would read as growth to the resident-memory check.
  std::vector<KeySym> untyped;
};

// The viewable top-level windows of the process, lowest first: those that name it in
// _NET_WM_PID.
std::vector<WindowFacts> WindowsOf(const RemoteScreen& screen, pid_t program);

class InputStorm {
 public:
  // Gives the keyboard the extra letters the storm types: construct it before the program
  // starts, so that the program's keyboard map holds them from the first.
  InputStorm(RemoteScreen& screen, StormPlan plan, std::uint64_t seed);

  // The program that gets the input, and how long it may take to handle one.
  void Attach(pid_t program, std::chrono::milliseconds patience);
  // Sends one input and waits until the program idles again; false when it did not within
  // the patience (it hangs, or it ended).
  bool Step();
  // Lets go of any button the storm left down and waits until the program idles again.
  bool Finish();

  int Sent() const { return sent; }
  // The last inputs, oldest first, one per line: what a failure report shows.
  std::string Recent() const;
  // For each window title, how many inputs were sent while such a window was open: proof that
  // the storm reached the dialogs too.
  std::string Coverage() const;

 private:
  struct Kind {
    const char* name;
    int weight;
    void (InputStorm::*send)();
  };
  static const Kind kKinds[];

  struct Typed {
    KeySym keysym = NoSymbol;
    KeyCode code = 0;
    bool shifted = false;
  };

  // One function per kind of input.
  void ClickAnywhere();
  void ClickTarget();
  void PressAlone();
  void ReleaseAlone();
  void MoveAlone();
  void Drag();
  void ClickOtherButton();
  void TypeNamedKey();
  void TypeText();
  void FocusWindow();
  void RaiseWindow();
  void CloseWindow();

  const WindowFacts* WindowTitled(const std::string& prefix) const;
  const WindowFacts* PickWindow();
  // A root point in, on the edge of or around the window, never over a kept-off area.
  std::optional<XPoint> PickPoint(const WindowFacts& window);
  bool KeptOff(int rootX, int rootY) const;
  // The pointer moved to a point picked so, noted; none when no window offers one.
  std::optional<XPoint> PointToGo();
  bool ReturnIsKept() const;

  // For the notes: a window by the start of its title, a point by the topmost window it is in.
  static std::string Named(const WindowFacts& window);
  std::string Where(XPoint point) const;

  void MoveTo(XPoint point) const;
  void SetButton(unsigned int button, bool down);
  void Type(const Typed& key) const;
  bool WaitUntilIdle() const;

  int Uniform(int low, int high);
  void Note(const std::string& what);

  RemoteScreen& screen;
  StormPlan plan;
  std::mt19937_64 random;
  pid_t program = -1;
  std::chrono::milliseconds patience{0};
  std::vector<Typed> namedKeys;
  std::vector<Typed> textKeys;
  std::vector<WindowFacts> windows;
  bool buttonDown[6] = {};
  int sent = 0;
  std::deque<std::string> recent;
  std::map<std::string, int> inputsWhileOpen;
};
