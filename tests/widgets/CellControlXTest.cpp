// Tiles and labels on a real window: the frame colours, the caption's place, that an unchanged
// value repaints nothing, the fallback background, the erase on Hide and the loading guard.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/GraphicsTestSupport.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "tessarin/app/Application.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/widgets/CellControl.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x336699;
constexpr Color kEmptyCellGrey = 0xB7B7B7;
constexpr Color kMarker = 0xFF0000;

class CellControlTest : public CanvasFixture {
 protected:
  CellControlTest() : CanvasFixture({20, 20, 220, 160, kFormColor}) {}
  void TearDown() override {
    cell.reset();
    CanvasFixture::TearDown();
  }

  // A 60 x 40 cell at (10, 10), created and painted.
  CellControl* MakeCell(std::int64_t back, bool border, const std::string& caption) {
    cell = std::make_unique<CellControl>(form.get());
    cell->MoveTo(10, 10);
    cell->SetSize(60, 40);
    cell->SetBackColor(back);
    cell->SetBorder(border);
    cell->SetText(caption);
    cell->Create();
    cell->Paint();
    return cell.get();
  }

  void Mark(int x, int y) {
    Painter painter(PaintTargetOf(form.get()));
    painter.DrawPoint(x, y, kMarker);
  }

  std::unique_ptr<CellControl> cell;
};

TEST_F(CellControlTest, WhiteTileHasABlackFrameAllRound) {
  MakeCell(kWhite, true, "");
  const int edges[][2] = {{10, 10}, {40, 10}, {69, 10}, {10, 30},
                          {69, 30}, {10, 49}, {40, 49}, {69, 49}};
  for (const auto& p : edges)
    EXPECT_EQ(PixelAt(form.get(), p[0], p[1]), kBlack) << p[0] << "," << p[1];
  EXPECT_EQ(PixelAt(form.get(), 12, 12), kWhite);
  EXPECT_EQ(PixelAt(form.get(), 9, 9), kFormColor);
  EXPECT_EQ(PixelAt(form.get(), 70, 50), kFormColor);
}

TEST_F(CellControlTest, GreyCellIsBlackAtTopAndLeftAndWhiteAtRightAndBottom) {
  MakeCell(kEmptyCellGrey, true, "");
  EXPECT_EQ(PixelAt(form.get(), 40, 10), kBlack);
  EXPECT_EQ(PixelAt(form.get(), 10, 30), kBlack);
  EXPECT_EQ(PixelAt(form.get(), 69, 30), kWhite);
  EXPECT_EQ(PixelAt(form.get(), 40, 49), kWhite);
  EXPECT_EQ(PixelAt(form.get(), 40, 30), kEmptyCellGrey);
}

TEST_F(CellControlTest, CaptionIsCentredAndAlignmentMovesIt) {
  MakeCell(kWhite, false, "88");
  PixelRegion centred(display(), form->GetWindow(), 10, 10, 60, 40);
  PixelBounds text = centred.BoundsOf(kBlack);
  ASSERT_FALSE(text.Empty());
  EXPECT_NEAR(text.CenterX2(), 2 * 10 + 59, 4);
  EXPECT_NEAR(text.CenterY2(), 2 * 10 + 39, 8);

  cell->SetTextAlign(TextAlign::Left);
  PixelBounds left = PixelRegion(display(), form->GetWindow(), 10, 10, 60, 40).BoundsOf(kBlack);
  ASSERT_FALSE(left.Empty());
  EXPECT_LT(left.left, text.left);
  EXPECT_LE(left.left, 12);
}

TEST_F(CellControlTest, UnchangedValuesRepaintNothing) {
  MakeCell(kWhite, true, "5");
  Mark(14, 14);
  cell->SetText("5");
  cell->SetBorder(true);
  cell->SetTextColor(kBlack);
  cell->SetTextAlign(TextAlign::Center);
  EXPECT_EQ(PixelAt(form.get(), 14, 14), kMarker);

  cell->SetText("6");
  EXPECT_EQ(PixelAt(form.get(), 14, 14), kWhite);
  Mark(14, 14);
  cell->SetTextColor(0x00FF00);
  EXPECT_EQ(PixelAt(form.get(), 14, 14), kWhite);
}

TEST_F(CellControlTest, CellWithoutBackgroundIsPaintedOnNeutralGrey) {
  MakeCell(kNoColor, false, "");
  EXPECT_EQ(PixelAt(form.get(), 30, 30), kFallbackGrey);
}

TEST_F(CellControlTest, HidingLeavesTheFormColourEverywhereItWas) {
  MakeCell(kWhite, true, "9");
  cell->Hide();
  EXPECT_FALSE(cell->IsCreated());
  PixelRegion area(display(), form->GetWindow(), 10, 10, 60, 40);
  EXPECT_EQ(area.Count(kFormColor), 60 * 40);
}

TEST_F(CellControlTest, NothingIsDrawnWhileAFormIsLoadingOrBeforeCreation) {
  cell = std::make_unique<CellControl>(form.get());
  cell->MoveTo(10, 10);
  cell->SetSize(60, 40);
  cell->SetBackColor(kWhite);
  cell->Paint();
  EXPECT_EQ(PixelAt(form.get(), 30, 30), kFormColor);

  Application::SetLoading(true);
  cell->Show();
  Application::SetLoading(false);
  EXPECT_TRUE(cell->IsCreated());
  EXPECT_EQ(PixelAt(form.get(), 30, 30), kFormColor);

  form->Paint();
  EXPECT_EQ(PixelAt(form.get(), 30, 30), kWhite);
}

// Cells built in OnLoad appear with the form's first paint, through the real Expose.
CellControl* cellBuiltOnLoad = nullptr;

TEST_F(CellControlTest, CellsBuiltWhileLoadingAppearWithTheFirstExpose) {
  RecordingForm loaded(app.get(), nullptr, 260, 20, 200, 120);
  loaded.SetBackColor(kFormColor);
  loaded.SetOnLoad([](GUIElement* element, std::uint64_t) {
    cellBuiltOnLoad = new CellControl(element);
    cellBuiltOnLoad->MoveTo(20, 20);
    cellBuiltOnLoad->SetSize(40, 40);
    cellBuiltOnLoad->SetBackColor(kWhite);
    cellBuiltOnLoad->SetBorder(true);
    cellBuiltOnLoad->Create();
  });
  loaded.Create();
  WaitUntilMapped(&loaded);
  std::unique_ptr<CellControl> owned(cellBuiltOnLoad);
  EXPECT_EQ(PixelAt(&loaded, 20, 20), kBlack);
  EXPECT_EQ(PixelAt(&loaded, 40, 40), kWhite);
}

}  // namespace
