// One titled panel of the gallery window with the widgets that show one part of the toolkit.
// A section is the parent of its widgets, so their callbacks find it through the sender's
// parent and hand it the event; the section owns its widgets, the gallery form owns the
// sections. Build makes the widgets once the panel exists, as a form's LoadControls does.
#pragma once

#include <memory>
#include <string>

#include "graphics/Rect.h"
#include "graphics/TextPlacement.h"
#include "widgets/PanelChildren.h"

class ButtonCustom;
class CellControl;

class GallerySection : public PanelChildren {
 public:
  GallerySection(GUIElement* container, const std::string& title, const Rect& box);

  // Creates the panel and every widget in it.
  virtual void Build() = 0;
  // A button or box of this section ran its command.
  virtual void CommandClicked(GUIElement* sender);

  // The command callback of every command element in a section: its section's CommandClicked.
  static void ForwardCommand(GUIElement* sender);

 protected:
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
