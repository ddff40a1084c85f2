#include "tessarin/dialogs/CompanionPlacement.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tessarin {

namespace {

int RightOf(const Rect& box) {
  return box.x + box.w;
}
int BottomOf(const Rect& box) {
  return box.y + box.h;
}

Rect WithFrameRoom(const Rect& box) {
  return {box.x - kWindowFrameRoom, box.y - kWindowFrameRoom, box.w + 2 * kWindowFrameRoom,
          box.h + 2 * kWindowFrameRoom};
}

// Keeps [start, start + length) on [low, high) where it can; a longer span starts at low.
int Clamp(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length));
}

std::int64_t OverlapArea(const Rect& a, const Rect& b) {
  const std::int64_t w = std::min(RightOf(a), RightOf(b)) - std::max(a.x, b.x);
  const std::int64_t h = std::min(BottomOf(a), BottomOf(b)) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? w * h : 0;
}

// One side of the owner: where the window would stand there, and how far the free screen
// reaches beyond the owner on that side.
struct Side {
  Point at;
  int room;
  bool fits;
};

// In the order that wins a tie: beside, then below, then the others.
std::vector<Side> SidesOf(const Rect& screen, const Rect& owner, Point need) {
  const int screenRight = RightOf(screen), screenBottom = BottomOf(screen);
  const int alongY = Clamp(owner.y, need.y, screen.y, screenBottom);
  const int alongX = Clamp(owner.x, need.x, screen.x, screenRight);
  const bool tallEnough = need.y <= screen.h;
  const bool wideEnough = need.x <= screen.w;
  const int right = screenRight - RightOf(owner);
  const int below = screenBottom - BottomOf(owner);
  const int left = owner.x - screen.x;
  const int above = owner.y - screen.y;
  return {{{RightOf(owner), alongY}, right, tallEnough && right >= need.x},
          {{alongX, BottomOf(owner)}, below, wideEnough && below >= need.y},
          {{owner.x - need.x, alongY}, left, tallEnough && left >= need.x},
          {{alongX, owner.y - need.y}, above, wideEnough && above >= need.y}};
}

// Corners that put the window against an edge of the screen, the owner or one of its parts.
std::vector<int> EdgeStarts(int screenStart, int screenLength, const Rect& owner,
                            const std::vector<Rect>& parts, int length, bool across) {
  auto start = [across](const Rect& box) { return across ? box.x : box.y; };
  auto end = [across](const Rect& box) { return across ? RightOf(box) : BottomOf(box); };
  std::vector<int> starts{screenStart, screenStart + screenLength - length, start(owner),
                          end(owner) - length};
  for (const Rect& part : parts) {
    starts.push_back(end(part));
    starts.push_back(start(part) - length);
  }
  for (int& value : starts) value = Clamp(value, length, screenStart, screenStart + screenLength);
  return starts;
}

// Over the owner: the place that covers the least of its parts, then the least of the owner.
Point OverTheOwner(const CompanionPlacement& placement, Point need) {
  const Rect& screen = placement.screen;
  const std::vector<int> xs =
      EdgeStarts(screen.x, screen.w, placement.owner, placement.ownerParts, need.x, true);
  const std::vector<int> ys =
      EdgeStarts(screen.y, screen.h, placement.owner, placement.ownerParts, need.y, false);
  Point best{xs.front(), ys.front()};
  std::pair<std::int64_t, std::int64_t> bestCost{-1, -1};
  for (int y : ys) {
    for (int x : xs) {
      const Rect box{x, y, need.x, need.y};
      std::pair<std::int64_t, std::int64_t> cost{0, OverlapArea(box, placement.owner)};
      for (const Rect& part : placement.ownerParts) cost.first += OverlapArea(box, part);
      if (bestCost.first < 0 || cost < bestCost) {
        bestCost = cost;
        best = {x, y};
      }
    }
  }
  return best;
}

}  // namespace

Point PlaceCompanion(const CompanionPlacement& placement) {
  const Point need{placement.size.x + 2 * kWindowFrameRoom,
                   placement.size.y + 2 * kWindowFrameRoom};
  const Side* chosen = nullptr;
  const std::vector<Side> sides = SidesOf(placement.screen, WithFrameRoom(placement.owner), need);
  for (const Side& side : sides) {
    if (side.fits && (chosen == nullptr || side.room > chosen->room)) chosen = &side;
  }
  if (chosen != nullptr) return chosen->at;
  return OverTheOwner(placement, need);
}

}  // namespace tessarin
