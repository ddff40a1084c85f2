// The widgets that pick a value from a range: a lying slider that drives a progress bar, a
// standing slider, and a lying and a standing scroll bar, each with a cell showing its value.
// The widgets report their changes to the section through their own callbacks. The section
// owns its widgets.
#pragma once

#include <memory>

#include "gallery/GallerySection.h"

namespace tessarin {
class ProgressBar;
class ScrollBar;
class Slider;
}  // namespace tessarin

class RangeSection : public GallerySection {
 public:
  explicit RangeSection(tessarin::GUIElement* container);
  ~RangeSection() override;

  void SliderMoved(tessarin::Slider* slider, int value);
  void ScrollBarMoved(tessarin::ScrollBar* bar, int value);

  tessarin::Slider* LyingSlider() const { return slider.get(); }
  tessarin::ProgressBar* Progress() const { return progress.get(); }
  tessarin::ScrollBar* LyingScrollBar() const { return scrollBar.get(); }

 private:
  void BuildWidgets() override;
  void BuildLying();
  void BuildStanding();
  std::unique_ptr<tessarin::Slider> MakeSlider(bool vertical, int minimum, int maximum, int start,
                                               const tessarin::Rect& box);
  std::unique_ptr<tessarin::ScrollBar> MakeScrollBar(bool vertical, int maximum, int start,
                                                     const tessarin::Rect& box);

  std::unique_ptr<tessarin::Slider> slider;
  std::unique_ptr<tessarin::CellControl> sliderValue;
  std::unique_ptr<tessarin::ProgressBar> progress;
  std::unique_ptr<tessarin::CellControl> progressValue;
  std::unique_ptr<tessarin::ScrollBar> scrollBar;
  std::unique_ptr<tessarin::CellControl> scrollValue;
  std::unique_ptr<tessarin::CellControl> hint;
  std::unique_ptr<tessarin::Slider> standingSlider;
  std::unique_ptr<tessarin::CellControl> standingSliderValue;
  std::unique_ptr<tessarin::ScrollBar> standingScrollBar;
  std::unique_ptr<tessarin::CellControl> standingScrollValue;
};
