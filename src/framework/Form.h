// A top-level window: the only kind of element that owns an X window.
//
// A Form creates its window with fixed-size hints, window-manager hints, the program's class,
// the WM_DELETE_WINDOW protocol and, for dialogs, the dialog window type, plus what a desktop
// reads to tie the window to its process and show it (pid, host, UTF-8 names, icon, owner);
// it maps, moves, raises and destroys it, and repaints its drawable children on every Expose.
// The concrete form builds its children in its OnLoad callback and destroys them in its
// destructor. A form does not own its transient owner nor the icon pixels it shows.
#pragma once

#include <X11/Xlib.h>

#include <string>
#include <utility>
#include <vector>

#include "tessarin/framework/DisplayHost.h"
#include "tessarin/framework/GUIElement.h"
#include "tessarin/framework/WindowIcon.h"
#include "tessarin/graphics/PaintTarget.h"
#include "tessarin/graphics/Rect.h"

namespace tessarin {

class Form : public GUIElement {
 public:
  explicit Form(void* context = nullptr, bool isDialog = false);
  ~Form() override;

  // GUIElement operations a form gives its own meaning.
  int GetActualWidth() override;
  int GetActualHeight() override;
  // Both in one question to the server, for a caller that wants both.
  Point GetActualSize();
  Point GetPosition() override;
  void SetBackColor(std::int64_t color) override;
  // Raises the window; a dialog also takes the keyboard, whether it opens or comes forward
  // because its blocked owner was pressed (a window manager gives the pressed owner the focus).
  void Show() override;
  void ShowAndMap() override;
  void Hide() override;
  void SetFocus() override;
  // Gives the window the X input focus when it is viewable, and says whether it did: asking
  // for the focus of a window that is not viewable is an X error that ends the program. The
  // request goes out at once, and a focus asked for ahead (AskForInputFocus) is then given.
  bool TakeInputFocusIfViewable();
  // Takes a focus asked for ahead, then paints every created drawable child.
  void Paint() override;
  void SetFlagA(bool on) override;
  void Create() override;
  void ApplyPosition() override;
  void ApplySize() override;
  void ApplyBringToFront() override;
  void ApplySendToBack() override;
  void ApplyBackColor() override;
  void OnChildAdded(GUIElement* element) override;
  void OnAttributesChanged() override;

  // The 30 operations every form adds, in their fixed order.
  virtual void FormHookA();
  virtual void FormHookB();
  virtual std::string GetTitle();
  virtual void SetTitle(const std::string& title);
  virtual std::string GetCaption();
  virtual void SetCaption(const std::string& caption);
  virtual void AfterCreate();
  virtual void OnUserMessage();
  virtual void FormHookC();
  virtual void SetStyleFlag1(bool on);
  virtual void SetStyleFlag2(bool on);
  virtual void SetStyleFlag3(bool on);
  virtual void DestroyWindow();
  virtual void OnDialogResult(std::uint32_t dialogId, int result);
  virtual bool IsDialog();
  virtual void SetIcon(Pixmap pixmap);
  virtual void SetClientSize(int w, int h);
  virtual void SetClientSizeEx(int w, int h, bool adjust);
  virtual void SetStyleFlag4(bool on);
  virtual void SetStyleFlag5(bool on);
  virtual void SetModalChild(Form* form);
  virtual void SetBounds(int newX, int newY, int w, int h);
  // The connection the form's window lives on (an Application); forms own none of their own.
  virtual void SetApplication(DisplayHost* app);
  virtual DisplayHost* GetApplication();
  virtual void CenterOnScreen();
  virtual void Open();
  virtual void OpenAgain();
  virtual Window GetWindow();
  virtual void SetFlagBIfCreated();
  virtual void ClearFlagBIfCreated();

  // The WM_CLASS name and class, and the icon name, of every window made from now on; an empty
  // text stands for the program's own command name, which is what they are until told.
  static void SetWindowClass(const std::string& className, const std::string& iconName);

  // The form this window belongs to (WM_TRANSIENT_FOR), so that a window manager keeps it
  // above that form and out of the task bar; null for none. Applied at creation, or at once.
  // When the window goes, that form, unless a dialog blocks it, gets the keyboard back: the X
  // input focus and the element it last had focused, which shows it again.
  void SetTransientOwner(Form* owner);
  Form* GetTransientOwner() const { return transientOwner; }
  // The icon the window manager shows (_NET_WM_ICON), one picture per size; the pixels must
  // outlive the form. Applied at creation, or at once.
  void SetIconImages(std::vector<WindowIcon> images);

  // The window is gone from the server (another client destroyed it): no request may name it
  // again. The focus goes as when the form destroys it; the form stays created until its
  // DestroyWindow, so that closing it runs as any close does.
  void ForgetDestroyedWindow();
  // The element of this form that took the keyboard focus last, unless the focus was dropped
  // by a press on this form since; null for none, or once that element is gone. The focus
  // moving to another window leaves it as it is, so that the form can get it back.
  GUIElement* RememberedFocus() const;
  void RememberFocus(const GUIElement* element);

  // What the form paints on its own ground besides its children (the game's flag), in window
  // coordinates: a window placed beside it keeps clear of these as of the children.
  void SetPaintedAreas(std::vector<Rect> areas) { paintedAreas = std::move(areas); }
  const std::vector<Rect>& GetPaintedAreas() const { return paintedAreas; }

  Form* GetModalChild() const { return modalChild; }
  Atom GetDeleteWindowAtom() const { return wmDeleteWindow; }
  bool GetStyleFlag1() const { return styleFlag1; }
  bool GetStyleFlag2() const { return styleFlag2; }
  bool GetStyleFlag3() const { return styleFlag3; }
  bool GetStyleFlag4() const { return styleFlag4; }
  bool GetStyleFlag5() const { return styleFlag5; }

 protected:
  Display* GetDisplay() const;
  void SetDialog(bool on) { isDialog = on; }
  // Asks for the X input focus at the first paint while the window is viewable: a dialog just
  // mapped is viewable only once the window manager shows it. Destroying the window drops
  // the request.
  void AskForInputFocus() { inputFocusAsked = true; }

  Form* modalChild = nullptr;
  Atom wmDeleteWindow = 0;
  Pixmap iconPixmap = 0;
  DisplayHost* application = nullptr;
  Window window = 0;
  bool styleFlag5 = true;
  bool styleFlag1 = true;
  bool styleFlag2 = true;
  bool styleFlag3 = true;
  bool isDialog;
  bool styleFlag4 = false;

 private:
  void SetWindowProperties();
  void SetStandardProperties();
  void SetDesktopProperties(const Atom* atoms);
  void ApplyTitleToWindow();
  void ApplyTransientOwner();
  void ApplyIconImages(Atom iconAtom);
  void ReleaseWindow();
  // Forgets the window that is gone, and gives the owner its remembered element back; the X
  // focus too unless the owner took it already.
  void ForgetWindow(bool ownerNeedsTheXFocus);
  Form* OwnerToGiveTheKeyboard() const;

  Form* transientOwner = nullptr;
  std::vector<WindowIcon> iconImages;
  std::vector<Rect> paintedAreas;
  bool inputFocusAsked = false;
  std::uint32_t rememberedFocusId = 0;
};

// The font every Painter of the program selects and every text measurement asks: the first
// registered form's MyFont, loaded on demand (the server's "fixed" when the pattern matches
// nothing). Null only when no form exists or the server has no font at all.
XFontStruct* SharedFont();

// Where a form and its children draw: the form's display and window, and the shared font. A
// null form means the first registered form; the target is empty when there is none.
PaintTarget PaintTargetOf(Form* form);

}  // namespace tessarin
