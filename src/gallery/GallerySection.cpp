#include "gallery/GallerySection.h"

#include "gallery/GalleryLayout.h"
#include "widgets/ButtonCustom.h"
#include "widgets/CellControl.h"

GallerySection::GallerySection(GUIElement* container, const std::string& title, const Rect& box)
    : PanelChildren(container) {
  text = title;
  SetBackColor(gallery::kPanelBack);
  SetTitleColor(gallery::kTitleColor);
  SetBorder(true);
  SetSunken(false);
  MoveTo(box.x, box.y);
  SetSize(box.w, box.h);
}

void GallerySection::CommandClicked(GUIElement*) {}

void GallerySection::ForwardCommand(GUIElement* sender) {
  if (sender == nullptr) return;
  if (auto* section = dynamic_cast<GallerySection*>(sender->GetParent())) {
    section->CommandClicked(sender);
  }
}

void GallerySection::Place(GUIElement& widget, const Rect& box) {
  widget.MoveTo(box.x, box.y);
  widget.SetSize(box.w, box.h);
  widget.Create();
}

std::unique_ptr<CellControl> GallerySection::MakeLabel(const std::string& caption, const Rect& box,
                                                       TextAlign align) {
  auto label = std::make_unique<CellControl>(this);
  label->SetText(caption);
  label->SetBackColor(gallery::kPanelBack);
  label->SetTextAlign(align);
  Place(*label, box);
  return label;
}

std::unique_ptr<CellControl> GallerySection::MakeValueCell(const std::string& caption,
                                                           const Rect& box, TextAlign align) {
  auto cell = std::make_unique<CellControl>(this);
  cell->SetText(caption);
  cell->SetBackColor(gallery::kShownBack);
  cell->SetBorder(true);
  cell->SetTextAlign(align);
  Place(*cell, box);
  return cell;
}

std::unique_ptr<ButtonCustom> GallerySection::MakeButton(const std::string& caption,
                                                         const Rect& box) {
  auto button = std::make_unique<ButtonCustom>(this, caption);
  button->SetCommand(ForwardCommand);
  Place(*button, box);
  return button;
}
