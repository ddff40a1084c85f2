// The check box: a captioned on/off box. A click released over it, or Space while it has the
// focus, toggles it and runs its command with the box as the sender.
//
// It owns the four pictures of its box, made at its first paint. The form that builds a check
// box owns it.
#pragma once

#include <string>

#include "tessarin/graphics/Color.h"
#include "tessarin/widgets/CommandElement.h"
#include "tessarin/widgets/GlyphArt.h"
#include "tessarin/widgets/Widget.h"

namespace tessarin {

class CheckBox : public Widget, public CommandElement {
 public:
  CheckBox(GUIElement* parent, const std::string& caption);

  void SetText(const std::string& newText) override;
  void MouseUp(Point point) override;
  // Neither a press nor a key press does anything, and neither reaches the element's callbacks:
  // the box answers the release.
  void MouseDown(Point point) override;
  void KeyDown(unsigned long keysym) override;
  bool KeyChar(char ch) override;
  void Paint() override;

  void SetChecked(bool on);
  bool IsChecked() const { return checked; }

 private:
  // False when the command destroyed the box.
  bool ToggleByUser();

  bool checked = false;
  GlyphSet glyphs{GlyphShape::CheckSquare};
};

}  // namespace tessarin
