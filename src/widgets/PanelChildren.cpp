#include "widgets/PanelChildren.h"

#include "app/Application.h"
#include "graphics/Painter.h"
#include "widgets/ChildSurface.h"

namespace {
constexpr int kTitleInsetX = 4;
constexpr int kTitleInsetY = 2;
constexpr int kTitleHeight = 10;
constexpr int kLeftAligned = 0;
}  // namespace

PanelChildren::PanelChildren(GUIElement* container) {
  type = "panel";
  focusable = false;
  drawable = true;
  parent = container;
}

void PanelChildren::SetSize(int w, int h) {
  ReplaceBox(x, y, w, h);
}

void PanelChildren::SetPosition(int newX, int newY) {
  ReplaceBox(newX, newY, width, height);
}

void PanelChildren::Show() {
  if (!created) Create();
  Paint();
  for (GUIElement* child : Application::CollectChildren(id)) child->Show();
  visible = true;
}

void PanelChildren::ShowAndMap() {
  Show();
}

void PanelChildren::Hide() {
  for (GUIElement* child : Application::CollectChildren(id)) child->Hide();
  // The +1 reaches the last column and row, which the border occupies.
  if (created) EraseChildArea(*this, ContainerBackColor(), width + 1, height + 1);
  GUIElement::Hide();
  created = false;
}

void PanelChildren::Create() {
  if (created) return;
  // A panel takes an id only; its tag stays whatever its creator set.
  if (id == 0) id = Application::NextElementId();
  created = true;
  visible = true;
}

void PanelChildren::SetBorder(bool on) {
  bordered = on;
  flatBorder = false;
}

void PanelChildren::SetFlatBorder(bool on) {
  flatBorder = on;
  bordered = true;
}

void PanelChildren::SetSunken(bool on) {
  sunken = on;
  bordered = true;
}

void PanelChildren::Paint() {
  if (!CanPaintChild(*this)) return;
  {
    Painter painter(GetParentForm());
    if (!painter.IsValid()) return;
    Point at = GetAbsolutePosition();
    Color back = backColor == kNoColor ? kFallbackGrey : static_cast<Color>(backColor);
    painter.FillRect(at.x, at.y, width, height, 0, 0, back);
    if (bordered) PaintBorder(painter, at.x, at.y);
    if (!text.empty()) {
      Color title = titleColor == kNoColor ? kBlack : static_cast<Color>(titleColor);
      painter.DrawTextBox(at.x + kTitleInsetX, at.y + kTitleInsetY, width - 2 * kTitleInsetX,
                          kTitleHeight, text, title, back, kLeftAligned);
    }
  }
  PaintChildren();
}

void PanelChildren::PaintBorder(Painter& painter, int px, int py) {
  if (flatBorder) {
    painter.DrawRect(px, py, width, height, 1, kBlack);
    return;
  }
  Color upperLeft = sunken ? kBlack : kWhite;
  Color lowerRight = sunken ? kWhite : kBlack;
  int right = px + width - 1;
  int bottom = py + height - 1;
  painter.DrawLine(px, py, right, py, 1, upperLeft);
  painter.DrawLine(px, bottom, px, py, 1, upperLeft);
  painter.DrawLine(right, py, right, bottom, 1, lowerRight);
  painter.DrawLine(px, bottom, right, bottom, 1, lowerRight);
}

void PanelChildren::PaintChildren() {
  for (GUIElement* child : Application::CollectChildren(id)) {
    if (!child->IsDrawable() || !child->IsCreated()) continue;
    // SetBackColor already repaints a created child; the Paint after it is the ordinary one.
    if (childBackColor != kNoColor) child->SetBackColor(childBackColor);
    child->Paint();
  }
}
