// Where the statistics and keys windows go beside the main window on screens of several sizes:
// on the side with the most room when one holds them whole, frame included, else over the
// main window's empty area.
#include <gtest/gtest.h>

#include <ostream>

#include "tessarin/dialogs/CompanionPlacement.h"

using namespace tessarin;

namespace {

enum class Where { Right, Left, Below, Above, Over };

// The main window's tiles, its buttons and its title picture, in its own coordinates.
const Rect kGameParts[] = {{20, 25, 358, 550}, {400, 155, 100, 98}, {400, 25, 328, 100}};

struct PlacementCase {
  const char* name;
  Point screen;
  Point ownerAt;
  Point size;
  Where expected;
};

void PrintTo(const PlacementCase& test, std::ostream* out) {
  *out << test.name;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

class CompanionPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(CompanionPlacementTest, StandsWhereItHidesNothingOfTheOwner) {
  const PlacementCase& test = GetParam();
  CompanionPlacement placement;
  placement.screen = {0, 0, test.screen.x, test.screen.y};
  placement.owner = {test.ownerAt.x, test.ownerAt.y, 800, 600};
  for (const Rect& part : kGameParts) {
    placement.ownerParts.push_back(
        {test.ownerAt.x + part.x, test.ownerAt.y + part.y, part.w, part.h});
  }
  placement.size = test.size;

  const Point at = PlaceCompanion(placement);
  // The window with the room for its frame.
  const Rect box{at.x, at.y, test.size.x + 2 * kWindowFrameRoom,
                 test.size.y + 2 * kWindowFrameRoom};
  EXPECT_GE(box.x, 0);
  EXPECT_GE(box.y, 0);
  EXPECT_LE(box.x + box.w, test.screen.x);
  EXPECT_LE(box.y + box.h, test.screen.y);
  const Rect& owner = placement.owner;
  Where where = Where::Over;
  if (box.x >= owner.x + owner.w) where = Where::Right;
  if (box.x + box.w <= owner.x) where = Where::Left;
  if (box.y >= owner.y + owner.h) where = Where::Below;
  if (box.y + box.h <= owner.y) where = Where::Above;
  EXPECT_EQ(where, test.expected) << "at " << at.x << "," << at.y;
  for (const Rect& part : placement.ownerParts) {
    EXPECT_FALSE(Overlap(box, part)) << "over the part at " << part.x << "," << part.y;
  }
}

// The end-to-end tests see the windows below a main window at the top left corner of the test
// screen; these are the other sides and a screen with no room beside the main window.
INSTANTIATE_TEST_SUITE_P(
    Screens, CompanionPlacementTest,
    ::testing::Values(
        PlacementCase{"RightOfACentredOwner", {1920, 1080}, {560, 240}, {480, 300}, Where::Right},
        PlacementCase{
            "LeftOfAnOwnerNearTheRightEdge", {1920, 1080}, {1100, 240}, {480, 300}, Where::Left},
        PlacementCase{
            "AboveAnOwnerAtTheBottom", {1280, 1024}, {240, 400}, {480, 300}, Where::Above},
        PlacementCase{
            "OverAnOwnerThatFillsTheScreen", {800, 600}, {0, 0}, {200, 150}, Where::Over}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

}  // namespace
