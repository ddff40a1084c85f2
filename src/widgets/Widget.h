// The base of every child that draws itself into its form's window: buttons, cells, pictures,
// panels and the rest of the toolkit's widgets. It keeps the rules they all share, so that a
// widget states only its own look and behaviour:
// - Create gives the widget its id and marks it created and visible; Show also paints it.
// - Hide erases the whole box with what lies beneath (EraseColor) and un-creates the widget,
//   so the next Show creates it again; the id stays.
// - A created widget that moves or changes size is hidden at its old box and shown at the new.
// - A widget paints only when created, outside a form's OnLoad, and when it lies in a form.
#pragma once

#include "framework/Child.h"
#include "graphics/Painter.h"
#include "graphics/Rect.h"

class Widget : public Child {
 public:
  void SetSize(int w, int h) override;
  void SetPosition(int newX, int newY) override;
  void Show() override;
  void ShowAndMap() override;
  void Hide() override;
  void Create() override;

 protected:
  bool CanPaint();
  // A Painter on the window of the widget's form.
  Painter FormPainter() const;
  // The widget's box in its form's window.
  Rect FormBox() const;
  void RepaintIfCreated();
  // Fills the whole box with EraseColor.
  void Erase();
  // What lies beneath the widget: its container's background by default.
  virtual Color EraseColor() const;
};
