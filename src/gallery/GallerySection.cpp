#include "gallery/GallerySection.h"

#include <algorithm>
#include <vector>

#include "gallery/GalleryLayout.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"

using namespace tessarin;

namespace {
std::vector<GallerySection*>& LiveSections() {
  static std::vector<GallerySection*> sections;
  return sections;
}

GallerySection* SectionHolding(const GUIElement* widget) {
  if (widget == nullptr) return nullptr;
  for (GallerySection* section : LiveSections()) {
    if (section == widget->GetParent()) return section;
  }
  return nullptr;
}
}  // namespace

GallerySection::GallerySection(GUIElement* container, const std::string& title, const Rect& box)
    : PanelChildren(container) {
  text = title;
  SetBackColor(gallery::kPanelBack);
  SetTitleColor(gallery::kTitleColor);
  SetBorder(true);
  SetSunken(false);
  MoveTo(box.x, box.y);
  SetSize(box.w, box.h);
  LiveSections().push_back(this);
}

GallerySection::~GallerySection() {
  auto& sections = LiveSections();
  sections.erase(std::remove(sections.begin(), sections.end(), this), sections.end());
}

void GallerySection::Build() {
  Create();
  BuildWidgets();
}

void GallerySection::CommandClicked(GUIElement*) {}
void GallerySection::TimerTicked(Timer*) {}

void GallerySection::ForwardTick(Timer* timer) {
  if (GallerySection* section = SectionHolding(timer)) section->TimerTicked(timer);
}

std::function<void(GUIElement*)> GallerySection::CommandToThis() {
  return [this](GUIElement* sender) { CommandClicked(sender); };
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
  button->SetCommand(CommandToThis());
  Place(*button, box);
  return button;
}
