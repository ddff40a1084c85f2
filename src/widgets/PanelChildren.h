// The container: a rectangle with an optional bevelled or flat border and a title line, which
// other elements take as their parent.
//
// Its children sit relative to it and are shown, hidden and repainted with it, after it. The
// children belong to their form, not to the panel; the form that builds a panel owns it.
#pragma once

#include <cstdint>

#include "tessarin/widgets/Widget.h"

namespace tessarin {

class PanelChildren : public Widget {
 public:
  explicit PanelChildren(GUIElement* parent);

  void Show() override;
  void Hide() override;
  void Paint() override;
  void Create() override;

  // None of these repaints; the next Show or form Paint shows the change.
  void SetBorder(bool on);
  void SetFlatBorder(bool on);
  void SetSunken(bool on);
  void SetTitleColor(std::int64_t color) { titleColor = color; }
  void SetChildBackColor(std::int64_t color) { childBackColor = color; }

  bool HasBorder() const { return bordered; }
  bool HasFlatBorder() const { return flatBorder; }
  bool IsSunken() const { return sunken; }
  std::int64_t GetTitleColor() const { return titleColor; }
  std::int64_t GetChildBackColor() const { return childBackColor; }

 private:
  void PaintBorder(Painter& painter, const Rect& box);
  void PaintChildren();

  bool bordered = false;
  bool flatBorder = false;
  bool sunken = true;
  std::int64_t titleColor = -1;
  std::int64_t childBackColor = -1;
};

}  // namespace tessarin
