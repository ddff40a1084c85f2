// The X connection and the process-wide state of the toolkit.
//
// An Application owns the display connection and the facts about the default screen. The
// class-wide part holds what every element shares: the registries of elements, forms and
// timers (plain pointers, owning nothing: each element registers in its constructor and
// unregisters in its destructor), the focused element, the key-state table, the idle
// millisecond counter, the quit and loading flags and the open message box. The event loop
// (EventLoop.h) reads and changes that state; ResetProcessState() returns it to a fresh start.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <vector>

#include "framework/Point.h"
#include "util/IdleClock.h"

class GUIElement;
class Form;
class Timer;

class Application {
 public:
  explicit Application(const char* name);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  void Open();
  bool Close();

  Display* GetDisplay() const { return display; }
  int GetScreen() const { return screen; }
  int GetScreenWidth() const { return screenWidth; }
  int GetScreenHeight() const { return screenHeight; }
  int GetDepth() const { return depth; }
  XVisualInfo* GetVisualInfo() const { return visualList; }
  Visual* GetVisual() const;
  bool HasOpenFailed() const { return openFailed != 0; }
  const char* GetName() const { return name; }

  static Application* Default() { return defaultApplication; }
  static int DefaultScreenWidth();
  static int DefaultScreenHeight();

  // Registries.
  static void RegisterElement(GUIElement* element);
  static void RegisterForm(GUIElement* element);
  static void RegisterTimer(GUIElement* element);
  static void RemoveWinForm(GUIElement* element);
  static void RemoveWindow(GUIElement* form);
  static void RemoveTimer(GUIElement* timer);
  static const std::vector<GUIElement*>& Elements() { return elements; }
  static const std::vector<Form*>& Forms() { return forms; }
  static const std::vector<Timer*>& Timers() { return timers; }
  static Form* FirstForm() { return forms.empty() ? nullptr : forms.front(); }

  static Form* FindForm(Window window);
  static GUIElement* HitTest(std::uint32_t containerId, Point point);
  static std::vector<GUIElement*> CollectChildren(std::uint32_t containerId);
  static void DestroyAllWindows();

  // Keyboard focus: one element for the whole process.
  static GUIElement* FocusedElement() { return focusedElement; }
  static void SetFocusedElement(GUIElement* element) { focusedElement = element; }
  static void ClearFocus() { focusedElement = nullptr; }

  // Key-state table, one entry per character code 0..255.
  static bool IsKeyDown(int ch);
  static void SetKeyDown(int ch, bool down);
  static void ClearKeyStates();

  // Milliseconds of idle waiting, 0..990 in steps of 10 (util/IdleClock.h).
  static int IdleMilliseconds() { return ::IdleMilliseconds(); }
  static void AdvanceIdleMilliseconds(int ms) { ::AdvanceIdleMilliseconds(ms); }

  static bool QuitRequested() { return quitFlag; }
  static void RequestQuit() { quitFlag = true; }

  // Set while a form's OnLoad builds its children; drawing children do not paint meanwhile.
  static bool IsLoading() { return loadingFlag; }
  static void SetLoading(bool loading) { loadingFlag = loading; }

  // The one message box that may exist; it goes when the next box replaces it or the loop ends.
  static Form* CurrentMessageBox() { return currentMessageBox; }
  static void SetCurrentMessageBox(Form* box) { currentMessageBox = box; }
  // Forgets the current message box and destroys it now.
  static void DeleteMessageBox();

  // The registered element with this id, or null when it is gone. Callbacks may destroy their
  // sender, so code that goes on after a callback looks the element up again by id.
  static GUIElement* FindElementById(std::uint32_t id);
  // True when element, which had idBefore when a callback started, is still registered. Ids
  // are never reused, so the same address under the same id is the same element.
  static bool IsAlive(const GUIElement* element, std::uint32_t idBefore);

  // Destroys an element once the current event has been handled, so that a callback may
  // replace the object whose handler is still running.
  static void DeleteLater(GUIElement* element);
  static void DeletePending();

  // Element ids: 1, 2, 3... never reused.
  static std::uint32_t NextElementId() { return ++lastElementId; }

  // Forgets all process-wide state (registries, focus, flags, counters). For tests.
  static void ResetProcessState();

 private:
  int screen = 0;
  Display* display = nullptr;
  XVisualInfo* visualList = nullptr;
  const char* name;
  std::uint32_t openFailed = 0;
  int screenWidth = 800;
  int screenHeight = 600;
  int depth = 8;

  static Application* defaultApplication;
  static std::vector<GUIElement*> elements;
  static std::vector<Form*> forms;
  static std::vector<Timer*> timers;
  static GUIElement* focusedElement;
  static unsigned char keyStates[256];
  static bool quitFlag;
  static bool loadingFlag;
  static Form* currentMessageBox;
  static std::uint32_t lastElementId;
  static std::vector<GUIElement*> pendingDeletes;
};
