// Names and scores: a numeric box for a score, a button that opens the name window, and a cell
// with the lines of the score table "Gallery" (Data/Gallery/Score/Classifica.txt). A confirmed
// name goes into the table with the score in the box. The section owns its widgets and the
// name window, which learns its section through its context.
#pragma once

#include <memory>

#include "gallery/GallerySection.h"
#include "tessarin/util/ScoreTable.h"

namespace tessarin {
class FormNamePlayer;
class TextBoxCustom;
}  // namespace tessarin

class ScoreSection : public GallerySection {
 public:
  explicit ScoreSection(tessarin::GUIElement* container);
  ~ScoreSection() override;

  void CommandClicked(tessarin::GUIElement* sender) override;
  // The name window went: a name it confirmed enters the table.
  void NameWindowClosed();

  tessarin::FormNamePlayer* NameWindow() const { return nameWindow.get(); }

 private:
  void BuildWidgets() override;
  void OpenNameWindow();
  void ShowTable();

  tessarin::ScoreTable table{"Gallery"};
  std::unique_ptr<tessarin::CellControl> scoreLabel;
  std::unique_ptr<tessarin::TextBoxCustom> scoreBox;
  std::unique_ptr<tessarin::ButtonCustom> nameButton;
  std::unique_ptr<tessarin::CellControl> hint;
  std::unique_ptr<tessarin::CellControl> lines;
  std::unique_ptr<tessarin::FormNamePlayer> nameWindow;
};
