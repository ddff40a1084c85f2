// Check boxes and an option box. The first check box enables the option box, the second
// switches the picture animation (the gallery form, which owns the pictures, gives it its
// command), the third is disabled. Add, Remove and Clear change the option box's rows, and a
// cell shows what the box says is selected. The section owns its widgets.
#pragma once

#include <memory>

#include "gallery/GallerySection.h"

class CheckBox;
class OptionBox;

class ChoiceSection : public GallerySection {
 public:
  explicit ChoiceSection(GUIElement* container);
  ~ChoiceSection() override;

  void CommandClicked(GUIElement* sender) override;

  CheckBox* AnimateBox() const { return animateBox.get(); }
  OptionBox* Options() const { return options.get(); }

 private:
  void BuildWidgets() override;
  std::unique_ptr<CheckBox> MakeCheckBox(const std::string& caption, int index, bool checked);
  void BuildOptions();
  void AddRow();
  void RemoveRow();
  // Shows the selection and enables only the buttons that can do something.
  void ShowState();

  std::unique_ptr<CheckBox> enableBox;
  std::unique_ptr<CheckBox> animateBox;
  std::unique_ptr<CheckBox> disabledBox;
  std::unique_ptr<CellControl> hint;
  std::unique_ptr<OptionBox> options;
  std::unique_ptr<ButtonCustom> addButton;
  std::unique_ptr<ButtonCustom> removeButton;
  std::unique_ptr<ButtonCustom> clearButton;
  std::unique_ptr<CellControl> selection;
  int rowsAdded = 0;
};
