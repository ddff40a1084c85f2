// The base of every element that lives inside a form: widgets, images, tiles, panels, timers.
// A child has no window; it sits in a container (a form, or a panel in a form), positioned
// relative to it, and paints straight into its form's window.
#pragma once

#include "tessarin/framework/GUIElement.h"
#include "tessarin/graphics/Color.h"

namespace tessarin {

class Form;

class Child : public GUIElement {
 public:
  Child();
  ~Child() override;

  // The form at the end of the parent chain, or null when the chain reaches none.
  Form* GetParentForm() const;
  // Converts a position in this child's container coordinates into form-window coordinates.
  Point GetAbsolutePosition(int px, int py) const;
  // Where this child's top-left corner lies in its form's window.
  Point GetAbsolutePosition() const { return GetAbsolutePosition(x, y); }

  // Where the search for a background colour starts. An element without a colour of its own
  // (-1) is painted on its container's, else its form's, else the neutral grey.
  enum class Backdrop { Own, Container, Form };
  // The first colour along own -> container -> form from the given start, else the grey.
  Color BackColorFrom(Backdrop start) const;

 protected:
  // Moves or resizes a widget that draws itself: a created one is hidden (erasing its old
  // area), given the new box and shown again there; one not yet created only stores it.
  void ReplaceBox(int newX, int newY, int w, int h);
};

// The nearest element of type "form" starting at the element itself; null when none.
Form* FindForm(GUIElement* element);

}  // namespace tessarin
