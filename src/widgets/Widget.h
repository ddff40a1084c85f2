// The base of every child that draws itself into its form's window: buttons, cells, pictures,
// panels and the rest of the toolkit's widgets. It keeps the rules they all share, so that a
// widget states only its own look and behaviour:
// - One constructor sets what every widget sets: its type, whether Tab stops at it, its parent,
//   its text and its default size. Every widget is painted by its form.
// - Create gives the widget its id and marks it created and visible; Show also paints it.
// - Hide erases the whole box with what lies beneath (EraseColor) and un-creates the widget,
//   so the next Show creates it again; the id stays.
// - A created widget that moves or changes size is hidden at its old box and shown at the new.
// - A widget paints only when created, outside a form's OnLoad, and when it lies in a form.
// - Enabling or disabling, and a new fore colour, show at once on a created widget.
// - A widget that Tab stops at shows the focus: it repaints when it gains or loses it, and
//   lets go of what it held only while focused (a pressed look, a drag).
#pragma once

#include <string>

#include "tessarin/framework/Child.h"
#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/Rect.h"

namespace tessarin {

// Whether Tab stops at a kind of widget and a press gives it the focus to show.
enum class TabStop { No, Yes };

// What a kind of widget is before anything is set on it.
struct WidgetKind {
  const char* type;
  TabStop tabStop;
  int width = 100;
  int height = 50;
};

class Widget : public Child {
 public:
  void SetSize(int w, int h) override;
  void SetPosition(int newX, int newY) override;
  void Show() override;
  void ShowAndMap() override;
  void Hide() override;
  void Create() override;
  void GotFocus() override;
  void LostFocus() override;

  virtual void Enable(bool on);
  virtual void SetForeColor(Color color);
  Color GetForeColor() const { return foreColor; }

 protected:
  Widget(GUIElement* container, const WidgetKind& kind, const std::string& caption = "");

  bool CanPaint();
  // A Painter on the window of the widget's form.
  Painter FormPainter() const;
  // The widget's box in its form's window.
  Rect FormBox() const;
  void RepaintIfCreated();
  // Sets a property the widget shows, and repaints only when that changed its value.
  template <class Value>
  void SetShown(Value& property, const Value& newValue) {
    if (property == newValue) return;
    property = newValue;
    RepaintIfCreated();
  }
  // Fills the whole box with EraseColor.
  void Erase();
  // What lies beneath the widget: its container's background by default.
  virtual Color EraseColor() const;
  // Lets go of what the widget holds only while it has the focus; nothing by default.
  virtual void ReleaseFocusHold() {}

  // The colour of the widget's text and lines while it is enabled.
  Color foreColor = kBlack;
};

// The dashed rectangle a widget draws around its caption while it has the focus. Buttons, check
// boxes, option boxes and sliders draw the same shape at their own insets: the left line starts
// one pixel above the top line and the right one ends one pixel below the bottom. left, top,
// right and bottom are the columns and rows of the four lines, in form coordinates.
void DrawFocusRectangle(Painter& painter, int left, int top, int right, int bottom, Color color);

}  // namespace tessarin
