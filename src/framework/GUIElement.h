// The root of everything on screen: forms (top-level windows) and the children drawn in them.
//
// An element holds its geometry, colours, texts, font and state flags, and a table of callback
// slots through which a form reacts to its elements without subclassing them. The 74 virtual
// operations below keep a fixed order; subclasses append theirs after them. Every element
// registers itself with the element registries (ElementRegistry.h) when constructed and leaves them
// when destroyed; its creator owns it.
#pragma once

#include <cstdint>
#include <string>

#include "tessarin/framework/Point.h"
#include "tessarin/graphics/MyFont.h"
#include "tessarin/util/DateTime.h"

namespace tessarin {

class GUIElement;

using LoadCallback = void (*)(GUIElement* element, std::uint64_t tag);
using PointCallback = void (*)(GUIElement* element, std::uint64_t tag, Point point);
using ValueCallback = void (*)(GUIElement* element, std::uint64_t tag, long value);
using KeyCallback = void (*)(GUIElement* element, unsigned long keysym);
using KeyCharCallback = bool (*)(GUIElement* element, char ch);
using ElementCallback = void (*)(GUIElement* element);
using ClosingCallback = bool (*)(GUIElement* element);
using MoveCallback = void (*)(GUIElement* element, int x, int y);
using AuxCallback = void (*)(GUIElement* element, long value);

class GUIElement {
 public:
  explicit GUIElement(void* context = nullptr);
  virtual ~GUIElement();
  GUIElement(const GUIElement&) = delete;
  GUIElement& operator=(const GUIElement&) = delete;

  const std::string& GetType() const { return type; }
  std::uint32_t GetId() const { return id; }
  void* GetContext() const { return context; }
  GUIElement* GetParent() const { return parent; }
  std::uint64_t GetTag() const { return tag; }
  void AssignId();

  void SetOnLoad(LoadCallback callback) { onLoad = callback; }
  void SetOnMouseUp(PointCallback callback) { onMouseUp = callback; }
  void SetOnMouseDown(PointCallback callback) { onMouseDown = callback; }
  void SetOnDoubleClick(PointCallback callback) { onDoubleClick = callback; }
  void SetOnOtherMouseUp(PointCallback callback) { onOtherMouseUp = callback; }
  void SetOnOtherMouseDown(PointCallback callback) { onOtherMouseDown = callback; }
  void SetOnAuxMouseEvent(ValueCallback callback) { onAuxMouseEvent = callback; }
  void SetOnKeyUp(KeyCallback callback) { onKeyUp = callback; }
  void SetOnKeyDown(KeyCallback callback) { onKeyDown = callback; }
  void SetOnKeyChar(KeyCharCallback callback) { onKeyChar = callback; }
  void SetOnMove(ElementCallback callback) { onMove = callback; }
  void SetOnResize(ElementCallback callback) { onResize = callback; }
  void SetOnClosing(ClosingCallback callback) { onClosing = callback; }
  void SetOnClose(ElementCallback callback) { onClose = callback; }
  void SetOnGotFocus(ElementCallback callback) { onGotFocus = callback; }
  void SetOnLostFocus(ElementCallback callback) { onLostFocus = callback; }
  void SetOnMouseEnter(ElementCallback callback) { onMouseEnter = callback; }
  void SetOnMouseLeave(ElementCallback callback) { onMouseLeave = callback; }
  void SetOnChange(ElementCallback callback) { onChange = callback; }
  void SetOnMouseMove(MoveCallback callback) { onMouseMove = callback; }
  void SetOnAuxEventA(AuxCallback callback) { onAuxEventA = callback; }
  void SetOnAuxEventB(AuxCallback callback) { onAuxEventB = callback; }

  // The 74 virtual operations, in their fixed order.
  virtual int GetWidth();
  virtual int GetActualWidth();
  virtual int GetHeight();
  virtual int GetActualHeight();
  virtual Point GetPosition();
  virtual Point GetSize();
  virtual Point GetExtent();
  virtual void SetSize(int w, int h);
  virtual void SetPosition(int newX, int newY);
  virtual void MoveTo(int newX, int newY);
  virtual void SetPositionPoint(Point point);
  virtual void SetBackColor(std::int64_t color);
  virtual std::int64_t GetBackColor();
  virtual void Show();
  virtual void ShowAndMap();
  virtual void Hide();
  virtual bool IsVisible();
  virtual bool IsCreated();
  virtual void ReservedA();
  virtual void SetEnabled(bool on);
  virtual bool IsEnabled();
  virtual void AddChild(GUIElement* element);
  virtual void BringToFront();
  virtual void Raise();
  virtual void SendToBack();
  virtual void SetName(const std::string& newName);
  virtual std::string GetName();
  virtual void SetFont(const MyFont& newFont);
  virtual MyFont& GetFont();
  virtual bool IsFocusable();
  virtual bool IsDrawable();
  virtual bool IsChild();
  virtual bool Contains(Point point);
  virtual void SetText(const std::string& newText);
  virtual std::string GetText();
  virtual std::string GetValue();
  virtual void MouseUp(Point point);
  virtual void MouseDown(Point point);
  virtual void DoubleClick(Point point);
  virtual void OtherMouseUp(Point point);
  virtual void OtherMouseDown(Point point);
  virtual void AuxMouseEvent(long value);
  virtual void KeyUp(unsigned long keysym);
  virtual void KeyDown(unsigned long keysym);
  virtual bool KeyChar(char ch);
  virtual void MouseMove(int px, int py);
  virtual void AuxEventA(long value);
  virtual void AuxEventB(long value);
  virtual void SetFocus();
  virtual void Moved();
  virtual void Resized();
  virtual void Paint();
  virtual bool QueryClose();
  virtual void Close();
  virtual void GotFocus();
  virtual void LostFocus();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Load(std::uint64_t loadTag);
  virtual void UpdateBackColor();
  virtual bool GetFlagA();
  virtual bool GetFlagB();
  virtual void SetFlagA(bool on);
  virtual void SetFlagB(bool on);
  virtual void ReservedB();
  virtual std::uint64_t* GetTagAddress();
  virtual void Create() = 0;
  virtual void ApplyPosition();
  virtual void ApplySize();
  virtual void ApplyBackColor();
  virtual void ApplyBringToFront();
  virtual void ApplySendToBack();
  virtual void OnChildAdded(GUIElement* element);
  virtual void OnAttributesChanged();

  bool HasFocus() const { return focused; }

 protected:
  // Gives a widget its id on first creation (id and tag together), as AssignId does.
  void AssignIdIfMissing();

  std::string type;
  bool isChild = false;
  bool focusable = true;
  bool drawable = false;
  bool visible = false;
  bool flagA = false;
  bool flagB = false;
  std::uint64_t tag = 0;
  void* context;
  MyFont font;
  int width = 100;
  int height = 50;
  int x = 100;
  int y = 100;
  bool created = false;
  std::int64_t backColor = -1;
  bool enabled = true;
  std::uint32_t id = 0;
  std::string name;
  std::string text;
  std::string valueAtFocus;
  GUIElement* parent = nullptr;
  LoadCallback onLoad = nullptr;
  bool loaded = false;
  PointCallback onMouseUp = nullptr;
  PointCallback onMouseDown = nullptr;
  PointCallback onDoubleClick = nullptr;
  PointCallback onOtherMouseUp = nullptr;
  PointCallback onOtherMouseDown = nullptr;
  ValueCallback onAuxMouseEvent = nullptr;
  KeyCallback onKeyUp = nullptr;
  KeyCallback onKeyDown = nullptr;
  KeyCharCallback onKeyChar = nullptr;
  ElementCallback onMove = nullptr;
  ElementCallback onResize = nullptr;
  ClosingCallback onClosing = nullptr;
  ElementCallback onClose = nullptr;
  ElementCallback onGotFocus = nullptr;
  ElementCallback onLostFocus = nullptr;
  ElementCallback onMouseEnter = nullptr;
  ElementCallback onMouseLeave = nullptr;
  ElementCallback onChange = nullptr;
  MoveCallback onMouseMove = nullptr;
  AuxCallback onAuxEventA = nullptr;
  AuxCallback onAuxEventB = nullptr;
  bool focused = false;
  DateTime lastClickTime;
};

}  // namespace tessarin
