// The gallery's one window: every widget of the toolkit at work, in six titled sections (text
// boxes; sliders, progress bar and scroll bars; check and option boxes; pictures; names and
// scores; dialogs). The form builds the sections in LoadControls, paints them and then the BMP
// samples over them, keeps the GetText cells up to date after each key and click, and hands the
// dialogs' answers to the dialog section. Closing the window ends the program. The program
// entry owns the form; the form owns the sections, and each section its widgets.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "tessarin/framework/HandlerForm.h"

namespace tessarin {
class Application;
}  // namespace tessarin
class ChoiceSection;
class GallerySection;
class DialogSection;
class PictureSection;
class RangeSection;
class ScoreSection;
class TextBoxSection;

class FormGallery : public tessarin::HandlerForm {
 public:
  explicit FormGallery(tessarin::Application* app);
  ~FormGallery() override;

  void Paint() override;
  void LoadControls() override;
  bool ConfirmClose() override;
  // A command the sections leave to the form: the check box that switches the animation.
  void CommandClicked(tessarin::GUIElement* element) override;

 private:
  // In the order they were made, which is the order of their ids.
  std::array<GallerySection*, 6> Sections() const;

  std::unique_ptr<TextBoxSection> texts;
  std::unique_ptr<RangeSection> ranges;
  std::unique_ptr<ChoiceSection> choices;
  std::unique_ptr<PictureSection> pictures;
  std::unique_ptr<ScoreSection> scores;
  std::unique_ptr<DialogSection> dialogs;
};
