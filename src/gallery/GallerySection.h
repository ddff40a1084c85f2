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

#include "graphics/Rect.h"
#include "graphics/TextPlacement.h"
#include "widgets/PanelChildren.h"

class ButtonCustom;
class CellControl;
class Timer;

class GallerySection : public PanelChildren {
 public:
  GallerySection(GUIElement* container, const std::string& title, const Rect& box);
  ~GallerySection() override;

  // Creates the panel, then every widget in it.
  void Build();
  // A button or box of this section ran its command.
  virtual void CommandClicked(GUIElement* sender);

  // A timer of this section ticked.
  virtual void TimerTicked(Timer* timer);

  // The slot function of a section's timers: the timer's section's TimerTicked.
  static void ForwardTick(Timer* timer);

 protected:
  // Makes the section's widgets once its panel exists.
  virtual void BuildWidgets() = 0;
  // The command of a section's button or box: this section's CommandClicked(sender).
  std::function<void(GUIElement* sender)> CommandToThis();
  // A created caption in the panel's colour, and one framed on the light ground that shows a
  // value, both inside this panel.
  std::unique_ptr<CellControl> MakeLabel(const std::string& caption, const Rect& box,
                                         TextAlign align = TextAlign::Left);
  std::unique_ptr<CellControl> MakeValueCell(const std::string& caption, const Rect& box,
                                             TextAlign align = TextAlign::Center);
  std::unique_ptr<ButtonCustom> MakeButton(const std::string& caption, const Rect& box);
  // Gives the widget its place and size in this panel, and creates it.
  void Place(GUIElement& widget, const Rect& box);
};
