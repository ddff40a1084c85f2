// The dialogs, each opened by a button: the message box, a YES/NO question and the About
// window. The boxes hand their answers straight to this section, and a cell shows the last
// one. The section owns its widgets, the About window and the picture that window shows;
// the message boxes belong to the Application, as every message box does.
#pragma once

#include <cstdint>
#include <memory>

#include "gallery/GallerySection.h"
#include "graphics/XImageFactory.h"

class FormAbout;

class DialogSection : public GallerySection {
 public:
  explicit DialogSection(GUIElement* container);
  ~DialogSection() override;

  void CommandClicked(GUIElement* sender) override;
  // A message box or question closed with this result.
  void ShowAnswer(std::uint32_t dialogId, int result);

  FormAbout* About() const { return about.get(); }

 private:
  void BuildWidgets() override;
  void OpenAbout();
  // The picture of the About window, read from a sample file once.
  XImage* AboutPicture();

  std::unique_ptr<ButtonCustom> messageButton;
  std::unique_ptr<ButtonCustom> questionButton;
  std::unique_ptr<ButtonCustom> aboutButton;
  std::unique_ptr<CellControl> answer;
  std::unique_ptr<CellControl> hint;
  std::unique_ptr<FormAbout> about;
  OwnedXImage aboutPicture;
  int aboutPictureWidth = 0;
  int aboutPictureHeight = 0;
};
