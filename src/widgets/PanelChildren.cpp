#include "tessarin/widgets/PanelChildren.h"

#include "tessarin/app/Application.h"

namespace tessarin {

namespace {
constexpr int kTitleInsetX = 4;
constexpr int kTitleInsetY = 2;
constexpr int kTitleHeight = 10;
}  // namespace

PanelChildren::PanelChildren(GUIElement* container) : Widget(container, {"panel", TabStop::No}) {}

void PanelChildren::Show() {
  if (!created) Create();
  Paint();
  for (GUIElement* child : Application::CollectChildren(id)) child->Show();
  visible = true;
}

void PanelChildren::Hide() {
  for (GUIElement* child : Application::CollectChildren(id)) child->Hide();
  Widget::Hide();
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
  if (!CanPaint()) return;
  {
    Painter painter = FormPainter();
    if (!painter.IsValid()) return;
    const Rect box = FormBox();
    // The panel's own colour only: it is never painted on its container's.
    Color back = ColorOrGrey(backColor);
    painter.FillRect(box.x, box.y, box.w, box.h, 0, 0, back);
    if (bordered) PaintBorder(painter, box);
    if (!text.empty()) {
      Color title = titleColor == kNoColor ? kBlack : static_cast<Color>(titleColor);
      painter.DrawTextBox(box.x + kTitleInsetX, box.y + kTitleInsetY, box.w - 2 * kTitleInsetX,
                          kTitleHeight, text, title, back, TextAlign::Left);
    }
  }
  PaintChildren();
}

void PanelChildren::PaintBorder(Painter& painter, const Rect& box) {
  if (flatBorder) {
    painter.DrawRect(box.x, box.y, box.w, box.h, 1, kBlack);
    return;
  }
  painter.DrawBevel(box.x, box.y, box.w, box.h, sunken ? kSunkenBevel : kRaisedBevel);
}

void PanelChildren::PaintChildren() {
  for (GUIElement* child : Application::CollectChildren(id)) {
    if (!child->IsDrawable() || !child->IsCreated()) continue;
    // SetBackColor already repaints a created child; the Paint after it is the ordinary one.
    if (childBackColor != kNoColor) child->SetBackColor(childBackColor);
    child->Paint();
  }
}

}  // namespace tessarin
