// The push button: a raised bevelled box with a centred caption (or an image), a dashed focus
// rectangle while focused, and a sunken look while held down by the mouse or the Return key.
//
// A click released over it, or Return while it has the focus, runs its command. The form that
// builds a button owns it; the images it shows belong to whoever set them.
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "tessarin/graphics/Color.h"
#include "tessarin/widgets/CommandElement.h"
#include "tessarin/widgets/Widget.h"

namespace tessarin {

class ButtonCustom : public Widget, public CommandElement {
 public:
  ButtonCustom(GUIElement* parent, const std::string& caption);

  void SetText(const std::string& newText) override;
  void MouseUp(Point point) override;
  void MouseDown(Point point) override;
  void KeyDown(unsigned long keysym) override;
  bool KeyChar(char ch) override;
  void Paint() override;
  void SetForeColor(Color color) override;

  void SetCaptionHidden(bool hidden);
  void SetImage(XImage* picture);
  void SetDisabledImage(XImage* picture);

  bool IsPressed() const { return pressed; }
  bool IsCaptionHidden() const { return captionHidden; }
  XImage* GetImage() const { return image; }
  XImage* GetDisabledImage() const { return disabledImage; }

 private:
  void SetPressedAndShow(bool down);
  void ReleaseFocusHold() override;

  bool pressed = false;
  bool captionHidden = false;
  XImage* image = nullptr;
  XImage* disabledImage = nullptr;
};

}  // namespace tessarin
