// Check boxes and an option box. The first check box enables the option box, the second
// switches the picture animation (the gallery form, which owns the pictures, gives it its
// command), the third is disabled. Add, Remove and Clear change the option box's rows, and a
// cell shows what the box says is selected. The section owns its widgets.
#pragma once

#include <memory>

#include "gallery/GallerySection.h"

namespace tessarin {
class CheckBox;
class OptionBox;
}  // namespace tessarin

class ChoiceSection : public GallerySection {
 public:
  explicit ChoiceSection(tessarin::GUIElement* container);
  ~ChoiceSection() override;

  void CommandClicked(tessarin::GUIElement* sender) override;

  tessarin::CheckBox* AnimateBox() const { return animateBox.get(); }
  tessarin::OptionBox* Options() const { return options.get(); }

 private:
  void BuildWidgets() override;
  std::unique_ptr<tessarin::CheckBox> MakeCheckBox(const std::string& caption, int index,
                                                   bool checked);
  void BuildOptions();
  void AddRow();
  void RemoveRow();
  // Shows the selection and enables only the buttons that can do something.
  void ShowState();

  std::unique_ptr<tessarin::CheckBox> enableBox;
  std::unique_ptr<tessarin::CheckBox> animateBox;
  std::unique_ptr<tessarin::CheckBox> disabledBox;
  std::unique_ptr<tessarin::CellControl> hint;
  std::unique_ptr<tessarin::OptionBox> options;
  std::unique_ptr<tessarin::ButtonCustom> addButton;
  std::unique_ptr<tessarin::ButtonCustom> removeButton;
  std::unique_ptr<tessarin::ButtonCustom> clearButton;
  std::unique_ptr<tessarin::CellControl> selection;
  int rowsAdded = 0;
};
