// The panel on a real window: its border styles, that its children lie on it and follow it
// when it is hidden or moved, the child background override, nested panels, and that a click
// reaches a button inside it but never focuses the panel.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/GraphicsTestSupport.h"
#include "support/PixelRegion.h"
#include "tessarin/app/Application.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/PanelChildren.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x336699;
constexpr Color kPanelColor = 0xE0E0E0;
constexpr Color kCellColor = 0xFFFF00;

int panelCommands = 0;

class PanelChildrenTest : public CanvasFixture {
 protected:
  PanelChildrenTest() : CanvasFixture({20, 260, 320, 220, kFormColor}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    panelCommands = 0;
    // A 120 x 80 panel at (20, 20) holding a 30 x 20 cell at (10, 10) inside it.
    panel = std::make_unique<PanelChildren>(form.get());
    panel->MoveTo(20, 20);
    panel->SetSize(120, 80);
    panel->SetBackColor(kPanelColor);
    cell = std::make_unique<CellControl>(panel.get());
    cell->MoveTo(10, 10);
    cell->SetSize(30, 20);
    cell->SetBackColor(kCellColor);
    cell->Create();
  }
  void TearDown() override {
    cell.reset();
    panel.reset();
    CanvasFixture::TearDown();
  }

  std::unique_ptr<PanelChildren> panel;
  std::unique_ptr<CellControl> cell;
};

TEST_F(PanelChildrenTest, WithoutBorderOrTitleOnlyTheBackgroundIsPainted) {
  panel->Show();
  PixelRegion edge(display(), form->GetWindow(), 20, 20, 119, 1);
  EXPECT_EQ(edge.Count(kPanelColor), 119);
  EXPECT_EQ(At(20, 60), kPanelColor);
}

TEST_F(PanelChildrenTest, BorderStylesSunkenRaisedAndFlat) {
  panel->SetBorder(true);
  panel->Show();
  EXPECT_TRUE(panel->IsSunken());
  EXPECT_EQ(At(60, 20), kBlack);
  EXPECT_EQ(At(20, 60), kBlack);
  EXPECT_EQ(At(139, 60), kWhite);
  EXPECT_EQ(At(60, 99), kWhite);

  panel->SetSunken(false);
  panel->Paint();
  EXPECT_EQ(At(60, 20), kWhite);
  EXPECT_EQ(At(139, 60), kBlack);

  panel->SetFlatBorder(true);
  panel->Paint();
  EXPECT_EQ(At(60, 20), kBlack);
  EXPECT_EQ(At(139, 60), kBlack);
  EXPECT_EQ(At(60, 99), kBlack);

  // Turning the flat border off still leaves a border: the raised bevel again.
  panel->SetFlatBorder(false);
  EXPECT_TRUE(panel->HasBorder());
  panel->Paint();
  EXPECT_EQ(At(60, 20), kWhite);
  EXPECT_EQ(At(139, 60), kBlack);
}

TEST_F(PanelChildrenTest, ChildrenSitInsideThePanelAndTakeItsChildColour) {
  panel->Show();
  EXPECT_EQ(At(45, 40), kCellColor);  // (20 + 10 + 15, 20 + 10 + 10)
  EXPECT_EQ(At(70, 70), kPanelColor);

  panel->SetChildBackColor(0x00FF00);
  panel->Paint();
  EXPECT_EQ(cell->GetBackColor(), 0x00FF00);
  EXPECT_EQ(At(45, 40), 0x00FF00);
}

TEST_F(PanelChildrenTest, TitleIsDrawnAtTheTopInItsColour) {
  panel->SetText("Box");
  panel->SetTitleColor(0xFF0000);
  panel->Show();
  PixelBounds title = PixelRegion(display(), form->GetWindow(), 20, 20, 120, 80).BoundsOf(0xFF0000);
  ASSERT_FALSE(title.Empty());
  EXPECT_GE(title.left, 24);
  EXPECT_LT(title.left, 34);
}

TEST_F(PanelChildrenTest, HidingErasesThePanelAndItsChildren) {
  panel->SetBorder(true);
  panel->Show();
  panel->Hide();
  EXPECT_FALSE(panel->IsCreated());
  EXPECT_FALSE(cell->IsCreated());
  PixelRegion area(display(), form->GetWindow(), 20, 20, 120, 80);
  EXPECT_EQ(area.Count(kFormColor), 120 * 80);

  panel->Show();
  EXPECT_TRUE(cell->IsCreated());
  EXPECT_EQ(At(45, 40), kCellColor);
}

TEST_F(PanelChildrenTest, MovingACreatedPanelRepaintsItAndItsChildrenAtTheNewPlace) {
  panel->SetBorder(true);
  panel->Show();
  std::uint32_t idBefore = panel->GetId();
  panel->SetPosition(160, 100);
  EXPECT_EQ(At(45, 40), kFormColor);
  EXPECT_EQ(At(139, 99), kFormColor);
  EXPECT_EQ(At(185, 120), kCellColor);
  EXPECT_EQ(At(200, 100), kBlack);
  EXPECT_EQ(panel->GetId(), idBefore);
}

TEST_F(PanelChildrenTest, ChildOfANestedPanelIsPaintedByTheOuterOne) {
  PanelChildren inner(panel.get());
  inner.MoveTo(50, 30);
  inner.SetSize(60, 40);
  inner.SetBackColor(0x0000FF);
  inner.Create();
  CellControl deep(&inner);
  deep.MoveTo(5, 5);
  deep.SetSize(20, 20);
  deep.SetBackColor(0xFF00FF);
  deep.Create();

  panel->Create();
  panel->Paint();
  EXPECT_EQ(At(20 + 50 + 5 + 10, 20 + 30 + 5 + 10), 0xFF00FF);
  EXPECT_EQ(At(20 + 50 + 40, 20 + 30 + 30), 0x0000FF);
}

TEST_F(PanelChildrenTest, ClickReachesAButtonInsideButNeverFocusesThePanel) {
  ButtonCustom inside(panel.get(), "IN");
  inside.MoveTo(50, 40);
  inside.SetSize(60, 30);
  inside.SetCommand([](GUIElement*) { ++panelCommands; });
  inside.Create();
  panel->Show();
  Pump(form.get());

  Click(form.get(), 20 + 50 + 30, 20 + 40 + 15);
  Pump(form.get());
  EXPECT_EQ(panelCommands, 1);
  EXPECT_EQ(Application::FocusedElement(), &inside);

  Click(form.get(), 25, 90);  // on the panel, outside its children
  Pump(form.get());
  EXPECT_NE(Application::FocusedElement(), panel.get());
  EXPECT_FALSE(panel->HasFocus());
}

}  // namespace
