// The X connection and the process-wide state of the toolkit.
//
// An Application opens and owns the display connection and reads the facts about the default
// screen; the forms read them through its DisplayHost part. The program's quit flag is its own.
// What every element shares (registries, focus, key states, ids, deferred deletion) belongs to
// the element layer, framework/ElementRegistry.h; the class-wide operations below keep their
// names and reach it. ResetProcessState() returns all of it to a fresh start.
//
// A screen whose default visual is not TrueColor is refused: the display is closed again at
// once, as if it had not opened.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <vector>

#include "tessarin/framework/DisplayHost.h"
#include "tessarin/framework/ElementRegistry.h"
#include "tessarin/framework/Point.h"
#include "tessarin/util/IdleClock.h"

namespace tessarin {

class GUIElement;
class Form;
class Timer;

class Application : public DisplayHost {
 public:
  explicit Application(const char* name);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  void Open();
  bool Close();

  int GetDepth() const { return depth; }
  // The visuals of the default screen at its depth, asked of the server on the first call.
  XVisualInfo* GetVisualInfo() const;
  Visual* GetVisual() const;
  bool HasOpenFailed() const { return openFailed != 0; }
  const char* GetName() const { return name; }

  static Application* Default() { return defaultApplication; }
  static int DefaultScreenWidth();
  static int DefaultScreenHeight();

  // The element registries and the state they share live in the element layer
  // (framework/ElementRegistry.h); these class-wide operations reach them under their
  // usual names.
  static void RegisterElement(GUIElement* element) { ElementRegistry::RegisterElement(element); }
  static void RegisterForm(GUIElement* element) { ElementRegistry::RegisterForm(element); }
  static void RegisterTimer(GUIElement* element) { ElementRegistry::RegisterTimer(element); }
  static void RemoveWinForm(GUIElement* element) { ElementRegistry::RemoveWinForm(element); }
  static void RemoveWindow(GUIElement* form) { ElementRegistry::RemoveWindow(form); }
  static void RemoveTimer(GUIElement* timer) { ElementRegistry::RemoveTimer(timer); }
  static const std::vector<GUIElement*>& Elements() { return ElementRegistry::Elements(); }
  static const std::vector<Form*>& Forms() { return ElementRegistry::Forms(); }
  static const std::vector<Timer*>& Timers() { return ElementRegistry::Timers(); }
  static Form* FirstForm() { return ElementRegistry::FirstForm(); }

  static Form* FindForm(Window window) { return ElementRegistry::FindForm(window); }
  static GUIElement* HitTest(std::uint32_t containerId, Point point) {
    return ElementRegistry::HitTest(containerId, point);
  }
  static std::vector<GUIElement*> CollectChildren(std::uint32_t containerId) {
    return ElementRegistry::CollectChildren(containerId);
  }
  static void DestroyAllWindows() { ElementRegistry::DestroyAllWindows(); }

  static GUIElement* FocusedElement() { return ElementRegistry::FocusedElement(); }
  static void SetFocusedElement(GUIElement* element) {
    ElementRegistry::SetFocusedElement(element);
  }
  static void ClearFocus() { ElementRegistry::ClearFocus(); }

  static bool IsKeyDown(int ch) { return ElementRegistry::IsKeyDown(ch); }
  static void SetKeyDown(int ch, bool down) { ElementRegistry::SetKeyDown(ch, down); }
  static void ClearKeyStates() { ElementRegistry::ClearKeyStates(); }

  // Milliseconds of idle waiting, 0..990 in steps of 10 (util/IdleClock.h).
  static int IdleMilliseconds() { return tessarin::IdleMilliseconds(); }
  static void AdvanceIdleMilliseconds(int ms) { tessarin::AdvanceIdleMilliseconds(ms); }

  // Set when the program is to end; the event loop stops at its next turn.
  static bool QuitRequested() { return quitFlag; }
  static void RequestQuit() { quitFlag = true; }

  static bool IsLoading() { return ElementRegistry::IsLoading(); }
  static void SetLoading(bool loading) { ElementRegistry::SetLoading(loading); }

  static Form* CurrentMessageBox() { return ElementRegistry::CurrentMessageBox(); }
  static void SetCurrentMessageBox(Form* box) { ElementRegistry::SetCurrentMessageBox(box); }
  static void DeleteMessageBox() { ElementRegistry::DeleteMessageBox(); }

  static GUIElement* FindElementById(std::uint32_t id) {
    return ElementRegistry::FindElementById(id);
  }
  static bool IsAlive(const GUIElement* element, std::uint32_t idWhenWatched) {
    return ElementRegistry::IsAlive(element, idWhenWatched);
  }

  static void DeleteLater(GUIElement* element) { ElementRegistry::DeleteLater(element); }
  static void DeletePending() { ElementRegistry::DeletePending(); }

  static std::uint32_t NextElementId() { return ElementRegistry::NextElementId(); }

  // Forgets all process-wide state (registries, focus, flags, counters). For tests.
  static void ResetProcessState();

 private:
  static bool ScreenHasVisualOfDepth(const Screen* screenFacts, int wantedDepth);
  bool ShowsTrueColor() const;
  // Logs, tells standard error and closes the display.
  void RefuseScreen();

  mutable XVisualInfo* visualList = nullptr;
  const char* name;
  std::uint32_t openFailed = 0;
  int depth = 8;

  static Application* defaultApplication;
  static bool quitFlag;
};

}  // namespace tessarin
