// The dialogs, each opened by a button: the message box, a YES/NO question and the About
// window. The boxes hand their answers straight to this section, and a cell shows the last
// one. The section owns its widgets, the About window and the picture that window shows;
// the message boxes belong to the Application, as every message box does.
#pragma once

#include <cstdint>
#include <memory>

#include "gallery/GallerySection.h"
#include "tessarin/graphics/XImageFactory.h"

namespace tessarin {
class FormAbout;
}  // namespace tessarin

class DialogSection : public GallerySection {
 public:
  explicit DialogSection(tessarin::GUIElement* container);
  ~DialogSection() override;

  void CommandClicked(tessarin::GUIElement* sender) override;
  // A message box or question closed with this result.
  void ShowAnswer(std::uint32_t dialogId, int result);

  tessarin::FormAbout* About() const { return about.get(); }

 private:
  void BuildWidgets() override;
  void OpenAbout();
  // The picture of the About window, read from a sample file once.
  XImage* AboutPicture();

  std::unique_ptr<tessarin::ButtonCustom> messageButton;
  std::unique_ptr<tessarin::ButtonCustom> questionButton;
  std::unique_ptr<tessarin::ButtonCustom> aboutButton;
  std::unique_ptr<tessarin::CellControl> answer;
  std::unique_ptr<tessarin::CellControl> hint;
  std::unique_ptr<tessarin::FormAbout> about;
  tessarin::OwnedXImage aboutPicture;
  int aboutPictureWidth = 0;
  int aboutPictureHeight = 0;
};
