#include "game/FormSettings.h"

#include <algorithm>
#include <string>
#include <utility>

#include "tessarin/framework/Form.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CheckBox.h"
#include "tessarin/widgets/OptionBox.h"
#include "tessarin/widgets/PanelChildren.h"

using namespace tessarin;

namespace {

constexpr char kRowSlidesCaption[] = "A click slides every tile between it and the gap";

constexpr int kMargin = 10;
constexpr int kOptionRowHeight = 26;
constexpr int kPanelTitleHeight = 18;
constexpr int kPanelWidth = 140;
constexpr int kPanelHeight =
    kPanelTitleHeight + (kLargestSide - kSmallestSide + 1) * kOptionRowHeight + 8;
constexpr int kCheckBoxTop = kMargin + kPanelHeight + 12;
constexpr int kCheckBoxHeight = 22;
// A check box draws its caption this far right of its left edge and keeps as much again clear
// at the right for its focus frame.
constexpr int kCheckBoxTextInset = 30;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 28;
constexpr int kButtonTop = kCheckBoxTop + kCheckBoxHeight + 14;
constexpr int kWindowHeight = kButtonTop + kButtonHeight + kMargin;
constexpr int kNarrowestWindow = 2 * kButtonWidth + 4 * kMargin;

int MeasuredCheckBoxWidth() {
  return kCheckBoxTextInset + FontTextWidth(SharedFont(), kRowSlidesCaption);
}

std::string SizeCaption(int side) {
  return std::to_string(side) + " x " + std::to_string(side);
}

}  // namespace

FormSettings::FormSettings(Form* owner, const GameSettings& current, Confirm confirm)
    : CompanionWindow(owner),
      current(current),
      confirm(std::move(confirm)),
      checkBoxWidth(MeasuredCheckBoxWidth()) {
  SetTitle("Settings");
  SetSize(std::max(kNarrowestWindow, checkBoxWidth + 2 * kMargin), kWindowHeight);
}

FormSettings::~FormSettings() {
  cancelButton.reset();
  okButton.reset();
  rowSlidesBox.reset();
  sizeBox.reset();
  sizePanel.reset();
}

void FormSettings::LoadControls() {
  BuildSizeBox();
  rowSlidesBox = std::make_unique<CheckBox>(this, kRowSlidesCaption);
  rowSlidesBox->SetChecked(current.rowSlides);
  rowSlidesBox->SetSize(checkBoxWidth, kCheckBoxHeight);
  rowSlidesBox->MoveTo(kMargin, kCheckBoxTop);
  rowSlidesBox->Create();
  okButton = BuildButton("OK", width / 2 - kMargin / 2 - kButtonWidth);
  cancelButton = BuildButton("Cancel", width / 2 + kMargin / 2);
}

void FormSettings::BuildSizeBox() {
  sizePanel = std::make_unique<PanelChildren>(this);
  sizePanel->SetText("Board size");
  sizePanel->SetSize(kPanelWidth, kPanelHeight);
  sizePanel->MoveTo(kMargin, kMargin);
  sizePanel->SetBorder(true);
  sizePanel->Create();
  sizeBox = std::make_unique<OptionBox>(sizePanel.get());
  for (int side = kSmallestSide; side <= kLargestSide; ++side) {
    sizeBox->AddItem(SizeCaption(side), std::to_string(side));
  }
  sizeBox->SetSelectedIndex(current.side - kSmallestSide);
  sizeBox->SetSize(kPanelWidth - 2 * kMargin,
                   (kLargestSide - kSmallestSide + 1) * kOptionRowHeight);
  sizeBox->MoveTo(kMargin, kPanelTitleHeight);
  sizeBox->Create();
}

std::unique_ptr<ButtonCustom> FormSettings::BuildButton(const char* caption, int left) {
  auto button = std::make_unique<ButtonCustom>(this, caption);
  button->SetSize(kButtonWidth, kButtonHeight);
  button->MoveTo(left, kButtonTop);
  button->SetCommand(CommandToThis());
  button->Create();
  return button;
}

void FormSettings::CommandClicked(GUIElement* element) {
  if (element == nullptr) return;
  if (okButton && element->GetId() == okButton->GetId()) {
    ConfirmChoice();
  } else if (cancelButton && element->GetId() == cancelButton->GetId()) {
    CloseWindow();
  }
}

// Return confirms, as OK does: a key that threw the choice away would be a trap. Once the window
// has gone (OK or Cancel pressed with Return), the same Return finds nothing to do.
bool FormSettings::FormKeyChar(char ch) {
  if (ch != kReturnChar) return CompanionWindow::FormKeyChar(ch);
  ConfirmChoice();
  return false;
}

void FormSettings::ConfirmChoice() {
  if (!IsOpen()) return;
  const GameSettings chosen = Chosen();
  CloseWindow();
  if (confirm) confirm(chosen);
}

GameSettings FormSettings::Chosen() const {
  GameSettings chosen = current;
  const int row = sizeBox ? sizeBox->GetSelectedIndex() : -1;
  if (row >= 0) chosen.side = kSmallestSide + row;
  if (rowSlidesBox) chosen.rowSlides = rowSlidesBox->IsChecked();
  return chosen;
}
