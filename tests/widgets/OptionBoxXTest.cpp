// The option box on a real window, driven by real XTEST clicks and keys through the loop's
// dispatch: its marks, captions and focus pixels, clicks on and below the rows, Up, Down and
// Space, removing and clearing rows, the getters, the disabled look, and a new background
// that shows through the marks.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>

#include "graphics/GraphicsTestSupport.h"
#include "tessarin/widgets/GlyphArt.h"
#include "tessarin/widgets/OptionBox.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x202020;  // the canvas's

int commands = 0, mouseUps = 0, keyDowns = 0;

class OptionBoxTest : public CanvasFixture {
 protected:
  OptionBoxTest() : CanvasFixture({360, 20, 200, 160, kCanvasBack, true}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    commands = mouseUps = keyDowns = 0;
    // At (20, 20), 160 wide; row i spans y 20 + 26 i to 45 + 26 i. Its mark covers x 21..40
    // from y 26 + 26 i, centred on (30, 35 + 26 i); its focus line runs along 22 + 26 i.
    box = std::make_unique<OptionBox>(form.get());
    box->MoveTo(20, 20);
    box->SetSize(160, 30);
    for (const char* caption : {"Uno", "Due", "Tre"}) box->AddItem(caption, caption);
    box->SetCommand([](GUIElement*) { ++commands; });
    box->SetOnMouseUp([](GUIElement*, std::uint64_t, Point) { ++mouseUps; });
    box->SetOnKeyDown([](GUIElement*, unsigned long) { ++keyDowns; });
    box->Show();
  }
  void TearDown() override {
    box.reset();
    CanvasFixture::TearDown();
  }

  Color MarkCentre(int row) { return PixelAt(form.get(), 30, 35 + 26 * row); }
  int FocusLinePixels(int row) { return Area(45, 22 + 26 * row, 130, 1).CountOf(kBlack); }
  int CaptionPixels(int row, Color color) {
    return Area(48, 21 + 26 * row, 120, 24).CountOf(color);
  }
  void Act(unsigned long key, int y = 0) {
    if (key == 0) Click(form.get(), 100, y);
    if (key != 0) TypeKey(key);
    Pump(form.get());
  }

  std::unique_ptr<OptionBox> box;
};

TEST_F(OptionBoxTest, AClickSelectsTheRowUnderItOrBelowTheRowsTheLastOne) {
  EXPECT_EQ(box->GetHeight(), 78);
  EXPECT_EQ(PixelAt(form.get(), 30, 26), kGlyphOuterShadow);
  EXPECT_EQ(PixelAt(form.get(), 21, 26), kFormColor);  // the circle's black corner
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(MarkCentre(row), kGlyphFace);
    EXPECT_GT(CaptionPixels(row, kBlack), 0);
  }
  box->SetSize(160, 130);
  struct Step {
    int y, selected;
  } steps[] = {{20 + 2 * 26 + 10, 2}, {25, 0}, {20 + 26 + 25, 1}, {20 + 120, 2}};
  for (const Step& step : steps) {
    Act(0, step.y);
    EXPECT_EQ(box->GetSelectedIndex(), step.selected) << "click at y " << step.y;
    EXPECT_EQ(MarkCentre(step.selected), kGlyphMark);
    EXPECT_EQ(MarkCentre((step.selected + 1) % 3), kGlyphFace);
    EXPECT_GT(FocusLinePixels(step.selected), 10);
  }
  EXPECT_EQ(commands, 4);
  EXPECT_EQ(mouseUps, 4);
}

TEST_F(OptionBoxTest, DownAndSpaceWrapToTheTopAndUpToTheBottomWithTheFocusOnTheSelection) {
  Act(XK_Tab);
  EXPECT_GT(FocusLinePixels(0), 10);  // nothing selected: the focus shows on the first row
  box->SetSelectedIndex(2);
  struct Step {
    unsigned long key;
    int selected;
  } steps[] = {{XK_Down, 0}, {XK_Up, 2}, {XK_space, 0}};
  for (const Step& step : steps) {
    Act(step.key);
    EXPECT_EQ(box->GetSelectedIndex(), step.selected);
    EXPECT_EQ(MarkCentre(step.selected), kGlyphMark);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(FocusLinePixels(row) > 0, row == step.selected);
  }
  Act(XK_Left);
  Act(XK_Return);
  EXPECT_EQ(box->GetSelectedIndex(), 0);
  EXPECT_EQ(commands, 3);
  EXPECT_EQ(keyDowns, 0);
}

TEST_F(OptionBoxTest, ClearLeavesNoRowSelectedRepaintsAndTheGettersGiveEmptyText) {
  box->SetSelectedIndex(2);
  EXPECT_TRUE(box->Clear());
  EXPECT_EQ(box->GetSelectedIndex(), -1);
  EXPECT_EQ(MarkCentre(2), kFormColor);
  EXPECT_EQ(CaptionPixels(0, kBlack), 0);
  EXPECT_EQ(box->GetItemCaption(0) + box->GetItemValue(-1) + box->GetOptionCaption(5), "");
  box->AddItem("Quattro", "4");  // not selected by what was selected before
  EXPECT_EQ(MarkCentre(0), kGlyphFace);
}

TEST_F(OptionBoxTest, RemovingTheSelectedLastRowSelectsTheNewLastAndOnlyRowsCanBeRemoved) {
  box->SetSelectedIndex(2);
  EXPECT_TRUE(box->RemoveItem(2));
  EXPECT_EQ(box->GetSelectedIndex(), 1);
  EXPECT_EQ(MarkCentre(1), kGlyphMark);
  EXPECT_EQ(MarkCentre(2), kFormColor);
  for (int index : {-1, -2, 2}) EXPECT_FALSE(box->RemoveItem(index)) << index;
  EXPECT_EQ(box->GetItemCaption(-7) + box->GetItemValue(0), "DueUno");
  EXPECT_FALSE(box->SetSelectedIndex(2));
  EXPECT_TRUE(box->SetSelectedIndex(-3));
  EXPECT_EQ(box->GetSelectedIndex(), 0);
}

TEST_F(OptionBoxTest, ADisabledBoxIsGreyAndIgnoresClicksAndKeysButNotItsMouseUpCallback) {
  box->SetSelectedIndex(0);
  Act(XK_Tab);  // disabled while it has the focus: the loop still hands it the release
  box->Enable(false);
  EXPECT_EQ(PixelAt(form.get(), 25, 35), kGlyphDisabledFace);
  EXPECT_EQ(MarkCentre(0), kGlyphDisabledMark);
  EXPECT_GT(CaptionPixels(0, kDisabledText), 0);
  EXPECT_EQ(CaptionPixels(0, kBlack), 0);  // no black caption, no focus lines
  Act(0, 20 + 2 * 26 + 10);
  Act(XK_Down);
  Act(XK_space);
  EXPECT_EQ(box->GetSelectedIndex(), 0);
  EXPECT_EQ(commands, 0);
  EXPECT_EQ(mouseUps, 1);
}

TEST_F(OptionBoxTest, ANewBackgroundShowsThroughTheMarksToo) {
  box->SetBackColor(0x00C000);
  box->Paint();
  EXPECT_EQ(PixelAt(form.get(), 21, 26), 0x00C000);
  EXPECT_EQ(PixelAt(form.get(), 21, 44 + 26), 0x00C000);
}

}  // namespace
