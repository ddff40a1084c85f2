// Names and scores: a numeric box for a score, a button that opens the name window, and a cell
// with the lines of the score table "Gallery" (Data/Gallery/Score/Classifica.txt). A confirmed
// name goes into the table with the score in the box. The section owns its widgets and the
// name window, which learns its section through its context.
#pragma once

#include <memory>

#include "gallery/GallerySection.h"
#include "util/ScoreTable.h"

class FormNamePlayer;
class TextBoxCustom;

class ScoreSection : public GallerySection {
 public:
  explicit ScoreSection(GUIElement* container);
  ~ScoreSection() override;

  void CommandClicked(GUIElement* sender) override;
  // The name window went: a name it confirmed enters the table.
  void NameWindowClosed();

  FormNamePlayer* NameWindow() const { return nameWindow.get(); }

 private:
  void BuildWidgets() override;
  void OpenNameWindow();
  void ShowTable();

  ScoreTable table{"Gallery"};
  std::unique_ptr<CellControl> scoreLabel;
  std::unique_ptr<TextBoxCustom> scoreBox;
  std::unique_ptr<ButtonCustom> nameButton;
  std::unique_ptr<CellControl> hint;
  std::unique_ptr<CellControl> lines;
  std::unique_ptr<FormNamePlayer> nameWindow;
};
