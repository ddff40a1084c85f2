// The option box on a real window, driven by real XTEST clicks and keys through the loop's
// dispatch: its marks, captions and focus pixels, clicks on and below the rows, Up, Down and
// Space with their wrapping, removing and clearing rows, the getters on rows that do not
// exist, the disabled look, and a background that shows through the marks.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>

#include "app/Application.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "widgets/GlyphArt.h"
#include "widgets/OptionBox.h"

namespace {

constexpr Color kFormColor = 0x336699;

int commands = 0;
int mouseUps = 0;
int keyDowns = 0;

class OptionBoxTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    commands = mouseUps = keyDowns = 0;
    form = std::make_unique<RecordingForm>(app.get(), nullptr, 360, 20, 300, 200);
    form->SetBackColor(kFormColor);
    form->Create();
    WaitUntilMapped(form.get());
    XSetInputFocus(display(), form->GetWindow(), RevertToParent, CurrentTime);
    // At (20, 20), 160 wide; row i spans y 20 + 26 i to 45 + 26 i. Its mark covers x 21..40
    // from y 26 + 26 i, the centre at (30, 35 + 26 i); its focus line runs along 22 + 26 i.
    box = std::make_unique<OptionBox>(form.get());
    box->MoveTo(20, 20);
    box->SetSize(160, 30);
    box->AddItem("Uno", "1");
    box->AddItem("Due", "2");
    box->AddItem("Tre", "3");
    box->SetCommand([](GUIElement*) { ++commands; });
    box->SetOnMouseUp([](GUIElement*, std::uint64_t, Point) { ++mouseUps; });
    box->SetOnKeyDown([](GUIElement*, unsigned long) { ++keyDowns; });
    box->Create();
    box->Paint();
    Pump(form.get());
  }
  void TearDown() override {
    box.reset();
    form.reset();
    XServerFixture::TearDown();
  }

  Color At(int x, int y) { return PixelAt(form.get(), x, y); }
  Color MarkCentre(int row) { return At(30, 35 + 26 * row); }
  int FocusLinePixels(int row) {
    return PixelRegion(display(), form->GetWindow(), 45, 22 + 26 * row, 130, 1).Count(kBlack);
  }
  int CaptionPixels(int row, Color color) {
    return PixelRegion(display(), form->GetWindow(), 48, 21 + 26 * row, 120, 24).Count(color);
  }
  void ClickAt(int y) {
    Click(form.get(), 100, y);
    Pump(form.get());
  }
  void Focus() {
    TypeKey(XK_Tab);
    Pump(form.get());
    ASSERT_EQ(Application::FocusedElement(), box.get());
  }

  std::unique_ptr<RecordingForm> form;
  std::unique_ptr<OptionBox> box;
};

TEST_F(OptionBoxTest, RowsShowTheirMarksAndCaptionsAndTheBoxGrowsToHoldThem) {
  EXPECT_EQ(box->GetHeight(), 78);
  EXPECT_EQ(box->GetSelectedIndex(), -1);
  ASSERT_TRUE(box->SetSelectedIndex(1));
  EXPECT_EQ(MarkCentre(0), kGlyphFace);
  EXPECT_EQ(MarkCentre(1), kGlyphMark);
  EXPECT_EQ(MarkCentre(2), kGlyphFace);
  EXPECT_EQ(At(30, 26), kGlyphOuterShadow);  // the top of the first circle
  EXPECT_EQ(At(21, 26), kFormColor);         // its black corner is see-through
  EXPECT_EQ(At(21, 44 + 26 * 2), kFormColor);
  for (int row = 0; row < 3; ++row) {
    EXPECT_GT(CaptionPixels(row, kBlack), 0) << "row " << row;
    EXPECT_EQ(FocusLinePixels(row), 0);
  }
}

TEST_F(OptionBoxTest, AClickSelectsTheRowUnderItAndBelowTheRowsTheLastOne) {
  box->SetSize(160, 130);
  struct Step {
    int y;
    int selected;
  } steps[] = {{20 + 2 * 26 + 10, 2}, {25, 0}, {20 + 26 + 25, 1}, {20 + 120, 2}};
  int count = 0;
  for (const Step& step : steps) {
    ClickAt(step.y);
    ++count;
    EXPECT_EQ(box->GetSelectedIndex(), step.selected) << "click at y " << step.y;
    EXPECT_EQ(MarkCentre(step.selected), kGlyphMark);
    EXPECT_EQ(commands, count);
    EXPECT_EQ(mouseUps, count);
    EXPECT_GT(FocusLinePixels(step.selected), 10);
  }
}

TEST_F(OptionBoxTest, DownAndSpaceWrapToTheTopUpWrapsToTheBottomEachRunningTheCommand) {
  box->SetSelectedIndex(2);
  Focus();
  struct Step {
    unsigned long key;
    int selected;
  } steps[] = {{XK_Down, 0}, {XK_Up, 2}, {XK_space, 0}, {XK_space, 1}, {XK_Up, 0}};
  int count = 0;
  for (const Step& step : steps) {
    TypeKey(step.key);
    Pump(form.get());
    ++count;
    EXPECT_EQ(box->GetSelectedIndex(), step.selected);
    EXPECT_EQ(commands, count);
    EXPECT_EQ(MarkCentre(step.selected), kGlyphMark);
    for (int row = 0; row < 3; ++row) {
      EXPECT_EQ(FocusLinePixels(row) > 0, row == step.selected) << "row " << row;
    }
  }
  TypeKey(XK_Left);
  TypeKey(XK_Return);
  Pump(form.get());
  EXPECT_EQ(box->GetSelectedIndex(), 0);
  EXPECT_EQ(commands, count);
  EXPECT_EQ(keyDowns, 0);
}

TEST_F(OptionBoxTest, WithNothingSelectedTheFocusShowsOnTheFirstRow) {
  Focus();
  EXPECT_GT(FocusLinePixels(0), 10);
  EXPECT_EQ(FocusLinePixels(1), 0);
}

TEST_F(OptionBoxTest, ClearLeavesNoRowSelectedRepaintsAndTheGettersGiveEmptyText) {
  box->SetSelectedIndex(2);
  EXPECT_TRUE(box->Clear());
  EXPECT_EQ(box->GetSelectedIndex(), -1);
  EXPECT_EQ(box->GetItemCount(), 0);
  EXPECT_EQ(MarkCentre(0), kFormColor);
  EXPECT_EQ(MarkCentre(2), kFormColor);
  EXPECT_EQ(CaptionPixels(0, kBlack), 0);
  for (int index : {-1, 0, 5}) {
    EXPECT_EQ(box->GetItemCaption(index), "");
    EXPECT_EQ(box->GetItemValue(index), "");
    EXPECT_EQ(box->GetOptionCaption(index), "");
    EXPECT_EQ(box->GetOptionValue(index), "");
  }
  // A row added later is not selected by a selection left over from before.
  box->AddItem("Quattro", "4");
  EXPECT_EQ(box->GetSelectedIndex(), -1);
  EXPECT_EQ(MarkCentre(0), kGlyphFace);
}

TEST_F(OptionBoxTest, GettersReadTheRowAskedForOrTheLastForAnIndexThatIsNoRow) {
  struct Case {
    int index;
    const char* caption;
    const char* value;
  } cases[] = {{0, "Uno", "1"}, {1, "Due", "2"},  {2, "Tre", "3"},
               {3, "Tre", "3"}, {-1, "Tre", "3"}, {-9, "Tre", "3"}};
  for (const Case& c : cases) {
    EXPECT_EQ(box->GetItemCaption(c.index), c.caption) << "index " << c.index;
    EXPECT_EQ(box->GetOptionValue(c.index), c.value) << "index " << c.index;
  }
}

TEST_F(OptionBoxTest, RemovingRowsMovesTheSelectionOnlyOffARemovedLastRow) {
  box->AddItem("Quattro", "4");
  box->SetSelectedIndex(3);
  EXPECT_TRUE(box->RemoveItem(3));  // the selected last row
  EXPECT_EQ(box->GetSelectedIndex(), 2);
  EXPECT_EQ(MarkCentre(2), kGlyphMark);
  box->SetSelectedIndex(1);
  EXPECT_TRUE(box->RemoveItem(0));  // a row above the selection
  EXPECT_EQ(box->GetSelectedIndex(), 1);
  EXPECT_EQ(box->GetItemCaption(1), "Tre");
  for (int index : {-1, -2, 2, 99}) EXPECT_FALSE(box->RemoveItem(index)) << "index " << index;
  EXPECT_FALSE(box->RemoveNothing());
  EXPECT_EQ(box->GetItemCount(), 2);
  EXPECT_EQ(commands, 0);
}

TEST_F(OptionBoxTest, SetSelectedIndexTakesANegativeIndexAsTheFirstAndRefusesOnePastTheRows) {
  EXPECT_TRUE(box->SetSelectedIndex(-3));
  EXPECT_EQ(box->GetSelectedIndex(), 0);
  EXPECT_FALSE(box->SetSelectedIndex(3));
  EXPECT_EQ(box->GetSelectedIndex(), 0);
  box->Clear();
  EXPECT_FALSE(box->SetSelectedIndex(-1));
  box->SelectFirst();
  EXPECT_EQ(box->GetSelectedIndex(), -1);
}

TEST_F(OptionBoxTest, ADisabledBoxIsGreyAndIgnoresClicksAndKeysButNotItsMouseUpCallback) {
  box->SetSelectedIndex(0);
  // Disabled while it has the focus: the loop still hands it the release.
  Focus();
  box->Enable(false);
  EXPECT_EQ(At(25, 35), kGlyphDisabledFace);
  EXPECT_EQ(MarkCentre(0), kGlyphDisabledMark);
  EXPECT_GT(CaptionPixels(1, kDisabledText), 0);
  EXPECT_EQ(CaptionPixels(1, kBlack), 0);

  ClickAt(20 + 2 * 26 + 10);
  TypeKey(XK_Down);
  TypeKey(XK_space);
  Pump(form.get());
  EXPECT_EQ(box->GetSelectedIndex(), 0);
  EXPECT_EQ(commands, 0);
  EXPECT_EQ(mouseUps, 1);
  EXPECT_EQ(FocusLinePixels(0), 0);
}

TEST_F(OptionBoxTest, ANewBackgroundShowsThroughTheMarksToo) {
  constexpr Color kGreen = 0x00C000;
  box->SetBackColor(kGreen);
  box->Paint();
  EXPECT_EQ(At(21, 26), kGreen);
  EXPECT_EQ(At(21, 44 + 26), kGreen);
  EXPECT_EQ(MarkCentre(0), kGlyphFace);
}

TEST_F(OptionBoxTest, ACommandThatDeletesTheBoxEndsTheKeyThere) {
  static std::unique_ptr<OptionBox>* owner = nullptr;
  owner = &box;
  Focus();
  box->SetCommand([](GUIElement*) {
    ++commands;
    owner->reset();
  });
  TypeKey(XK_space);
  Pump(form.get());
  EXPECT_EQ(box, nullptr);
  EXPECT_EQ(commands, 1);
}

}  // namespace
