#include "tessarin/widgets/CellControl.h"

namespace tessarin {

CellControl::CellControl(GUIElement* container) : Widget(container, {"cellcontrol", TabStop::No}) {}

void CellControl::SetText(const std::string& newText) {
  SetShown(text, newText);
}

void CellControl::SetBorder(bool on) {
  SetShown(border, on);
}

void CellControl::SetTextColor(Color color) {
  SetShown(textColor, color);
}

void CellControl::SetTextAlign(TextAlign align) {
  SetShown(textAlign, align);
}

Color CellControl::EraseColor() const {
  return BackColorFrom(Backdrop::Form);
}

void CellControl::Paint() {
  if (!CanPaint()) return;
  Painter painter = FormPainter();
  if (!painter.IsValid()) return;
  const Rect box = FormBox();
  // A cell's own colour only: it is never painted on its container's.
  const Color back = ColorOrGrey(backColor);
  const int inset = border ? 1 : 0;
  if (border) {
    // Black all round on white; on any other colour the frame looks sunken.
    painter.DrawBevel(box.x, box.y, box.w, box.h, {kBlack, back == kWhite ? kBlack : kWhite});
  }
  painter.DrawTextBox(box.x + inset, box.y + inset, box.w - 2 * inset, box.h - 2 * inset, text,
                      textColor, back, font, textAlign);
}

}  // namespace tessarin
