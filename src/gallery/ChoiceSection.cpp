#include "gallery/ChoiceSection.h"

#include "gallery/GalleryLayout.h"
#include "gallery/GalleryText.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/CheckBox.h"
#include "tessarin/widgets/OptionBox.h"

using namespace tessarin;

namespace {

using namespace gallery::choice;

struct OptionRow {
  const char* caption;
  const char* value;
};

const OptionRow kFirstRows[] = {{"Red", "FF0000"}, {"Green", "00AA00"}, {"Blue", "0000FF"}};

bool Is(const GUIElement* sender, const std::unique_ptr<ButtonCustom>& button) {
  return button && sender->GetId() == button->GetId();
}

bool Is(const GUIElement* sender, const std::unique_ptr<CheckBox>& box) {
  return box && sender->GetId() == box->GetId();
}

Rect ButtonBox(int index) {
  return {kButtonLeft, kOptionBox.y + index * kButtonPitch, kButtonWidth, gallery::kButtonHeight};
}

}  // namespace

ChoiceSection::ChoiceSection(GUIElement* container)
    : GallerySection(container, "Check boxes and an option box", gallery::kChoicePanel) {}

ChoiceSection::~ChoiceSection() = default;

void ChoiceSection::BuildWidgets() {
  enableBox = MakeCheckBox("Option box enabled", 0, true);
  animateBox = MakeCheckBox("Animate pictures", 1, true);
  disabledBox = MakeCheckBox("Disabled", 2, true);
  disabledBox->Enable(false);
  hint =
      MakeLabel("Click a box, or Space on the focused one; Up and Down walk the options.", kHint);
  BuildOptions();
  addButton = MakeButton("Add", ButtonBox(0));
  removeButton = MakeButton("Remove", ButtonBox(1));
  clearButton = MakeButton("Clear", ButtonBox(2));
  selection = MakeValueCell("", kSelection, TextAlign::Left);
  ShowState();
}

std::unique_ptr<CheckBox> ChoiceSection::MakeCheckBox(const std::string& caption, int index,
                                                      bool checked) {
  auto box = std::make_unique<CheckBox>(this, caption);
  box->SetChecked(checked);
  box->SetCommand(CommandToThis());
  Place(*box, {kCheckLeft, kFirstCheckTop + index * kCheckPitch, kCheckWidth, kCheckHeight});
  return box;
}

void ChoiceSection::BuildOptions() {
  options = std::make_unique<OptionBox>(this);
  for (const OptionRow& row : kFirstRows) options->AddItem(row.caption, row.value);
  options->SetSelectedIndex(0);
  options->SetCommand(CommandToThis());
  Place(*options, kOptionBox);
}

void ChoiceSection::CommandClicked(GUIElement* sender) {
  if (Is(sender, enableBox)) {
    options->Enable(enableBox->IsChecked());
  } else if (Is(sender, addButton)) {
    AddRow();
  } else if (Is(sender, removeButton)) {
    RemoveRow();
  } else if (Is(sender, clearButton)) {
    options->Clear();
  }
  ShowState();
}

void ChoiceSection::AddRow() {
  if (options->GetItemCount() >= kMaxOptionRows) return;
  ++rowsAdded;
  options->AddItem("Option " + std::to_string(rowsAdded), std::to_string(rowsAdded));
}

void ChoiceSection::RemoveRow() {
  const int selected = options->GetSelectedIndex();
  options->RemoveItem(selected >= 0 ? selected : options->GetItemCount() - 1);
}

void ChoiceSection::ShowState() {
  const int index = options->GetSelectedIndex();
  selection->SetText(
      SelectionText(index, options->GetItemCaption(index), options->GetItemValue(index)));
  const int rows = options->GetItemCount();
  addButton->Enable(rows < kMaxOptionRows);
  removeButton->Enable(rows > 0);
  clearButton->Enable(rows > 0);
}
