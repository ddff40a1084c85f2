// The process-wide element model: every element, form and timer that exists, and the state
// they share.
//
// The registries hold plain pointers and own nothing: each element registers in its
// constructor and unregisters in its destructor, and their order (registration order) decides
// every search. Beside them stand the one focused element, the key-state table, the element id
// counter, the loading flag, the open message box and the elements waiting for deferred
// deletion. The event loop (app/) reads and changes this state; Reset() returns it to a fresh
// start for tests.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

#include "tessarin/framework/Point.h"

namespace tessarin {

class GUIElement;
class Form;
class Timer;

class ElementRegistry {
 public:
  ElementRegistry() = delete;

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

  // Keyboard focus: one element for the whole process. Whatever moves it, the element that
  // stops being the focused one loses its look (LostFocus), unless it has lost it already, and
  // the form of the new one remembers it as its own (Form::RememberedFocus).
  static GUIElement* FocusedElement() { return focusedElement; }
  static void SetFocusedElement(GUIElement* element);
  static void ClearFocus();
  // Forgets the focus without a word to the element: for one that is being destroyed.
  static void ForgetFocusOn(const GUIElement* element);

  // Key-state table, one entry per character code 0..255.
  static bool IsKeyDown(int ch);
  static void SetKeyDown(int ch, bool down);
  static void ClearKeyStates();

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
  // True when element, which had idWhenWatched when a callback started, is still registered. Ids
  // are never reused, so the same address under the same id is the same element.
  static bool IsAlive(const GUIElement* element, std::uint32_t idWhenWatched);

  // Destroys an element once the current event has been handled, so that a callback may
  // replace the object whose handler is still running.
  static void DeleteLater(GUIElement* element);
  static void DeletePending();

  // Element ids: 1, 2, 3... never reused.
  static std::uint32_t NextElementId() { return ++lastElementId; }

  // Forgets every element, the focus, the flags and the id counter. For tests.
  static void Reset();

 private:
  static std::vector<GUIElement*> elements;
  static std::vector<Form*> forms;
  static std::vector<Timer*> timers;
  static GUIElement* focusedElement;
  static unsigned char keyStates[256];
  static bool loadingFlag;
  static Form* currentMessageBox;
  static std::uint32_t lastElementId;
  static std::vector<GUIElement*> pendingDeletes;
};

}  // namespace tessarin
