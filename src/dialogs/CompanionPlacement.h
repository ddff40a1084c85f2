// Where a window that stands beside its owner goes, so that it hides nothing the owner shows.
//
// Beside or below the owner, on the side with the most room, whenever the screen holds the
// window there whole; else over the owner's empty area, clear of what the owner shows as far
// as the screen allows. Every window is given room for a window manager's frame around it,
// since a window manager may put the frame where the window was asked to be. Free of X.
#pragma once

#include <vector>

#include "tessarin/framework/Point.h"
#include "tessarin/graphics/Rect.h"

namespace tessarin {

struct CompanionPlacement {
  // The whole screen.
  Rect screen;
  // The inside of the owner's window and of each thing it shows, in screen coordinates.
  Rect owner;
  std::vector<Rect> ownerParts;
  // The inside of the window to place.
  Point size;
};

// Room kept around each window for a window manager's frame (title bar and edges).
constexpr int kWindowFrameRoom = 24;

// The position to ask for: the top-left corner of the window's frame.
Point PlaceCompanion(const CompanionPlacement& placement);

}  // namespace tessarin
