// A passive text cell: a filled box with an optional one-pixel frame and a caption in it.
//
// The board's sixteen tiles are cells, and the dialogs use one as a multi-line label. A cell
// takes no focus and has no press behaviour of its own; its form installs OnMouseDown. The
// form that builds a cell owns and destroys it.
#pragma once

#include "tessarin/graphics/Color.h"
#include "tessarin/graphics/TextPlacement.h"
#include "tessarin/widgets/Widget.h"

namespace tessarin {

class CellControl : public Widget {
 public:
  explicit CellControl(GUIElement* parent);

  void SetText(const std::string& newText) override;
  void Paint() override;

  void SetBorder(bool on);
  void SetTextColor(Color color);
  void SetTextAlign(TextAlign align);

  bool HasBorder() const { return border; }
  Color GetTextColor() const { return textColor; }
  TextAlign GetTextAlign() const { return textAlign; }

 protected:
  // A hidden cell leaves its form's background, whatever its container shows.
  Color EraseColor() const override;

 private:
  bool border = false;
  Color textColor = kBlack;
  TextAlign textAlign = TextAlign::Center;
};

}  // namespace tessarin
