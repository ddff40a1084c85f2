#include "tessarin/dialogs/CompanionWindow.h"

#include <vector>

#include "tessarin/app/Application.h"
#include "tessarin/dialogs/CompanionPlacement.h"
#include "tessarin/util/CharacterCodes.h"

namespace tessarin {

namespace {

Rect BoxOf(Point origin, Point size) {
  return {origin.x, origin.y, size.x, size.y};
}

// What the owner shows, in screen coordinates: its visible children, whose boxes enclose
// their own children, and what it paints itself.
std::vector<Rect> PartsOf(Form* owner, Point origin) {
  std::vector<Rect> parts;
  for (const Rect& area : owner->GetPaintedAreas()) {
    parts.push_back({origin.x + area.x, origin.y + area.y, area.w, area.h});
  }
  for (GUIElement* child : Application::CollectChildren(owner->GetId())) {
    if (child->GetParent() != owner || !child->IsCreated() || !child->IsVisible()) continue;
    const Point at = child->GetPosition();
    parts.push_back(BoxOf({origin.x + at.x, origin.y + at.y}, child->GetSize()));
  }
  return parts;
}

}  // namespace

CompanionWindow::CompanionWindow(Form* owner) : HandlerForm(true), owner(owner) {
  SetApplication(owner->GetApplication());
  SetTransientOwner(owner);
  AskForInputFocus();
}

bool CompanionWindow::FormKeyChar(char ch) {
  if (ch != kEscapeChar && ch != kReturnChar) return true;
  CloseWindow();
  return false;
}

void CompanionWindow::Open() {
  if (IsOpen()) {
    Show();
    return;
  }
  if (GetId() != 0) return;
  PlaceBesideOwner();
  HandlerForm::Open();
}

void CompanionWindow::PlaceBesideOwner() {
  const DisplayHost* host = GetApplication();
  if (host == nullptr) return;
  const Point origin = owner->GetPosition();
  CompanionPlacement placement;
  placement.screen = {0, 0, host->GetScreenWidth(), host->GetScreenHeight()};
  placement.owner = BoxOf(origin, owner->GetSize());
  placement.ownerParts = PartsOf(owner, origin);
  placement.size = {width, height};
  const Point at = PlaceCompanion(placement);
  MoveTo(at.x, at.y);
}

void CompanionWindow::CloseWindow() {
  if (!created || !ConfirmClose()) return;
  DestroyWindow();
  Close();
}

}  // namespace tessarin
