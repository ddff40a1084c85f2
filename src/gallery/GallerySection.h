// One titled panel of the gallery window with the widgets that show one part of the toolkit.
// Commands and value callbacks are lambdas that capture the section; the plain-function slots
// (a timer's tick, a box's OnLostFocus) receive only the widget, and find its section, the
// widget's parent, among the live sections. The section owns its widgets, the gallery form
// owns the sections. Build makes the widgets once the panel exists, as a form's LoadControls
// does.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tessarin/graphics/Rect.h"
#include "tessarin/graphics/TextPlacement.h"
#include "tessarin/widgets/PanelChildren.h"

namespace tessarin {
class ButtonCustom;
class CellControl;
class Timer;
}  // namespace tessarin

class GallerySection : public tessarin::PanelChildren {
 public:
  GallerySection(tessarin::GUIElement* container, const std::string& title,
                 const tessarin::Rect& box);
  ~GallerySection() override;

  // Creates the panel, then every widget in it.
  void Build();
  // A button or box of this section ran its command.
  virtual void CommandClicked(tessarin::GUIElement* sender);

  // A timer of this section ticked.
  virtual void TimerTicked(tessarin::Timer* timer);

  // The slot function of a section's timers: the timer's section's TimerTicked.
  static void ForwardTick(tessarin::Timer* timer);

 protected:
  // Makes the section's widgets once its panel exists.
  virtual void BuildWidgets() = 0;
  // The command of a section's button or box: this section's CommandClicked(sender).
  std::function<void(tessarin::GUIElement* sender)> CommandToThis();
  // A created caption in the panel's colour, and one framed on the light ground that shows a
  // value, both inside this panel.
  std::unique_ptr<tessarin::CellControl> MakeLabel(
      const std::string& caption, const tessarin::Rect& box,
      tessarin::TextAlign align = tessarin::TextAlign::Left);
  std::unique_ptr<tessarin::CellControl> MakeValueCell(
      const std::string& caption, const tessarin::Rect& box,
      tessarin::TextAlign align = tessarin::TextAlign::Center);
  std::unique_ptr<tessarin::ButtonCustom> MakeButton(const std::string& caption,
                                                     const tessarin::Rect& box);
  // Gives the widget its place and size in this panel, and creates it.
  void Place(tessarin::GUIElement& widget, const tessarin::Rect& box);
};
