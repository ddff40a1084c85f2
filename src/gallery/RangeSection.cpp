#include "gallery/RangeSection.h"

#include "gallery/GalleryLayout.h"
#include "gallery/GalleryText.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/ProgressBar.h"
#include "tessarin/widgets/ScrollBar.h"
#include "tessarin/widgets/Slider.h"

using namespace tessarin;

namespace {

using namespace gallery::range;

// The scroll bar reports ten times its value.
constexpr long kScrollReportFactor = 10;

std::string ValueText(int value) {
  return std::to_string(value);
}

}  // namespace

RangeSection::RangeSection(GUIElement* container)
    : GallerySection(container, "Sliders, a progress bar and scroll bars", gallery::kRangePanel) {}

RangeSection::~RangeSection() = default;

void RangeSection::BuildWidgets() {
  BuildLying();
  BuildStanding();
  hint = MakeLabel(
      "Drag or click the sliders; the bar follows the lying one. Click the scroll bars, or "
      "use the arrow keys on the one that has the focus.",
      kHint);
}

void RangeSection::BuildLying() {
  slider = MakeSlider(false, kSliderMinimum, kSliderMaximum, kSliderStart, kSlider);
  sliderValue = MakeValueCell(ValueText(kSliderStart), kSliderValue);
  progress = std::make_unique<ProgressBar>(this, kSliderMinimum, kSliderMaximum);
  progress->SetValue(kSliderStart);
  Place(*progress, kProgress);
  progressValue =
      MakeValueCell(PercentText(kSliderStart, kSliderMinimum, kSliderMaximum), kProgressValue);
  scrollBar = MakeScrollBar(false, kScrollMaximum, kScrollStart, kScroll);
  scrollValue = MakeValueCell(ValueText(kScrollStart), kScrollValue);
}

void RangeSection::BuildStanding() {
  standingSlider =
      MakeSlider(true, kStandingMinimum, kStandingMaximum, kStandingStart, kStandingSlider);
  standingSliderValue = MakeValueCell(ValueText(kStandingStart), kStandingSliderValue);
  standingScrollBar =
      MakeScrollBar(true, kStandingScrollMaximum, kStandingScrollStart, kStandingScroll);
  standingScrollValue = MakeValueCell(ValueText(kStandingScrollStart), kStandingScrollValue);
}

std::unique_ptr<Slider> RangeSection::MakeSlider(bool vertical, int minimum, int maximum, int start,
                                                 const Rect& box) {
  auto made = std::make_unique<Slider>(this, vertical, minimum, maximum);
  made->SetValue(start);
  made->SetValueChangedCallback([this](Slider* moved, int value) { SliderMoved(moved, value); });
  Place(*made, box);
  return made;
}

std::unique_ptr<ScrollBar> RangeSection::MakeScrollBar(bool vertical, int maximum, int start,
                                                       const Rect& box) {
  auto made = std::make_unique<ScrollBar>(this, 0, maximum);
  made->SetValue(start);
  made->SetVertical(vertical);
  made->SetScrollCallback([this](ScrollBar* moved, long tenTimesValue) {
    ScrollBarMoved(moved, static_cast<int>(tenTimesValue / kScrollReportFactor));
  });
  Place(*made, box);
  return made;
}

void RangeSection::SliderMoved(Slider* moved, int value) {
  if (moved == slider.get()) {
    sliderValue->SetText(ValueText(value));
    progress->SetValue(value);
    progressValue->SetText(PercentText(value, kSliderMinimum, kSliderMaximum));
  } else if (moved == standingSlider.get()) {
    standingSliderValue->SetText(ValueText(value));
  }
}

void RangeSection::ScrollBarMoved(ScrollBar* moved, int value) {
  if (moved == scrollBar.get()) {
    scrollValue->SetText(ValueText(value));
  } else if (moved == standingScrollBar.get()) {
    standingScrollValue->SetText(ValueText(value));
  }
}
