// The widgets that pick a value from a range: a lying slider that drives a progress bar, a
// standing slider, and a lying and a standing scroll bar, each with a cell showing its value.
// The widgets report their changes to the section through their own callbacks. The section
// owns its widgets.
#pragma once

#include <memory>

#include "gallery/GallerySection.h"

class ProgressBar;
class ScrollBar;
class Slider;

class RangeSection : public GallerySection {
 public:
  explicit RangeSection(GUIElement* container);
  ~RangeSection() override;

  void SliderMoved(Slider* slider, int value);
  void ScrollBarMoved(ScrollBar* bar, int value);

  Slider* LyingSlider() const { return slider.get(); }
  ProgressBar* Progress() const { return progress.get(); }
  ScrollBar* LyingScrollBar() const { return scrollBar.get(); }

 private:
  void BuildWidgets() override;
  void BuildLying();
  void BuildStanding();
  std::unique_ptr<Slider> MakeSlider(bool vertical, int minimum, int maximum, int start,
                                     const Rect& box);
  std::unique_ptr<ScrollBar> MakeScrollBar(bool vertical, int maximum, int start, const Rect& box);

  std::unique_ptr<Slider> slider;
  std::unique_ptr<CellControl> sliderValue;
  std::unique_ptr<ProgressBar> progress;
  std::unique_ptr<CellControl> progressValue;
  std::unique_ptr<ScrollBar> scrollBar;
  std::unique_ptr<CellControl> scrollValue;
  std::unique_ptr<CellControl> hint;
  std::unique_ptr<Slider> standingSlider;
  std::unique_ptr<CellControl> standingSliderValue;
  std::unique_ptr<ScrollBar> standingScrollBar;
  std::unique_ptr<CellControl> standingScrollValue;
};
