#include "widgets/CellControl.h"

#include "graphics/Painter.h"
#include "widgets/ChildSurface.h"

CellControl::CellControl(GUIElement* container) {
  type = "cellcontrol";
  focusable = false;
  drawable = true;
  parent = container;
}

void CellControl::Show() {
  GUIElement::Show();
  Paint();
}

void CellControl::ShowAndMap() {
  GUIElement::ShowAndMap();
  Paint();
}

void CellControl::Hide() {
  // The +1 makes the fill cover the whole box, frame included.
  if (created) EraseChildArea(*this, FormBackColor(*this), width + 1, height + 1);
  GUIElement::Hide();
  created = false;
}

void CellControl::SetText(const std::string& newText) {
  if (newText == text) return;
  text = newText;
  RepaintIfCreated();
}

void CellControl::SetBorder(bool on) {
  if (on == border) return;
  border = on;
  RepaintIfCreated();
}

void CellControl::SetTextColor(Color color) {
  if (color == textColor) return;
  textColor = color;
  RepaintIfCreated();
}

void CellControl::SetTextAlign(int align) {
  if (align == textAlign) return;
  textAlign = align;
  RepaintIfCreated();
}

void CellControl::RepaintIfCreated() {
  if (created) Paint();
}

void CellControl::Create() {
  if (created) return;
  AssignIdIfMissing();
  created = true;
  visible = true;
}

void CellControl::Paint() {
  if (!CanPaintChild(*this)) return;
  Painter painter(GetParentForm());
  if (!painter.IsValid()) return;
  Point at = GetAbsolutePosition();
  Color back = backColor == kNoColor ? kFallbackGrey : static_cast<Color>(backColor);
  int inset = border ? 1 : 0;
  if (border) {
    // Black all round on white; on any other colour the frame looks sunken.
    Color lowerRight = back == kWhite ? kBlack : kWhite;
    int right = at.x + width - 1;
    int bottom = at.y + height - 1;
    painter.DrawLine(at.x, at.y, right, at.y, 1, kBlack);
    painter.DrawLine(at.x, bottom, at.x, at.y, 1, kBlack);
    painter.DrawLine(right, at.y, right, bottom, 1, lowerRight);
    painter.DrawLine(at.x, bottom, right, bottom, 1, lowerRight);
  }
  painter.DrawTextBox(at.x + inset, at.y + inset, width - 2 * inset, height - 2 * inset, text,
                      textColor, back, font, textAlign);
}
