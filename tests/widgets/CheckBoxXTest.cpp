// The check box on a real window, driven by real XTEST clicks and keys through the loop's
// dispatch: its pixels checked, unchecked, disabled and focused, the toggles and the commands
// they run, Space and Return, and a command that deletes the box.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>

#include "graphics/GraphicsTestSupport.h"
#include "support/PixelRegion.h"
#include "tessarin/widgets/CheckBox.h"
#include "tessarin/widgets/GlyphArt.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x202020;  // the canvas's

int commands = 0, mouseUps = 0, otherCallbacks = 0;
std::unique_ptr<CheckBox>* deleteOnCommand = nullptr;

class CheckBoxTest : public CanvasFixture {
 protected:
  CheckBoxTest() : CanvasFixture({360, 20, 200, 80, kCanvasBack, true}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    commands = mouseUps = otherCallbacks = 0;
    // At (20, 20), 150 x 10, which the box raises to 22: its picture covers (21, 21)-(40, 40),
    // the caption starts at x 46, the focus rectangle's top line runs along y 22 from x 43.
    box = std::make_unique<CheckBox>(form.get(), "Audio");
    box->MoveTo(20, 20);
    box->SetSize(150, 10);
    box->SetCommand([](GUIElement* sender) {
      ++commands;
      if (deleteOnCommand != nullptr && sender == deleteOnCommand->get()) deleteOnCommand->reset();
    });
    box->SetOnMouseUp([](GUIElement*, std::uint64_t, Point) { ++mouseUps; });
    box->SetOnMouseDown([](GUIElement*, std::uint64_t, Point) { ++otherCallbacks; });
    box->SetOnKeyDown([](GUIElement*, unsigned long) { ++otherCallbacks; });
    box->Show();
  }
  void TearDown() override {
    deleteOnCommand = nullptr;
    box.reset();
    CanvasFixture::TearDown();
  }

  Color MarkPixel() { return PixelAt(form.get(), 21 + 7, 21 + 11); }
  Color FacePixel() { return PixelAt(form.get(), 21 + 7, 21 + 5); }
  int FocusLinePixels() { return Area(43, 22, 120, 1).CountOf(kBlack); }
  void Act(unsigned long key = 0) {
    if (key == 0) Click(form.get(), 100, 30);
    if (key != 0) TypeKey(key);
    Pump(form.get());
  }

  std::unique_ptr<CheckBox> box;
};

TEST_F(CheckBoxTest, EachClickTogglesTheMarkRunsTheCommandOnceAndShowsTheFocus) {
  EXPECT_EQ(box->GetHeight(), 22);
  EXPECT_EQ(PixelAt(form.get(), 21, 21), kGlyphOuterShadow);
  EXPECT_EQ(PixelAt(form.get(), 40, 40), kGlyphOuterLight);
  EXPECT_EQ(PixelAt(form.get(), 42, 30), kFormColor);
  EXPECT_EQ(MarkPixel(), kGlyphFace);
  PixelBounds caption = PixelRegion(display(), form->GetWindow(), 44, 21, 120, 22).BoundsOf(kBlack);
  EXPECT_FALSE(caption.Empty());
  EXPECT_LT(caption.left, 50);  // left-aligned from x 46
  EXPECT_EQ(FocusLinePixels(), 0);

  for (int click = 1; click <= 3; ++click) {
    Act();
    EXPECT_EQ(box->IsChecked(), click % 2 == 1);
    EXPECT_EQ(MarkPixel(), click % 2 == 1 ? kGlyphMark : kGlyphFace);
    EXPECT_EQ(commands, click);
    EXPECT_EQ(mouseUps, click);
  }
  EXPECT_EQ(otherCallbacks, 0);  // a press reaches no callback
  EXPECT_GT(FocusLinePixels(), 20);
  EXPECT_LT(FocusLinePixels(), 100);  // dashed
}

TEST_F(CheckBoxTest, SpaceTogglesAFocusedBoxAndReturnDoesNothing) {
  Act(XK_Tab);
  ASSERT_EQ(Application::FocusedElement(), box.get());
  Act(XK_Return);
  EXPECT_FALSE(box->IsChecked());
  Act(XK_space);
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(MarkPixel(), kGlyphMark);
  EXPECT_EQ(commands, 1);
  EXPECT_EQ(otherCallbacks, 0);
}

TEST_F(CheckBoxTest, ADisabledBoxIsGreyAndOnlyItsMouseUpCallbackAnswersAClick) {
  box->SetChecked(true);
  Act(XK_Tab);  // disabled while it has the focus: the loop still hands it the release
  box->Enable(false);
  EXPECT_EQ(FacePixel(), kGlyphDisabledFace);
  EXPECT_EQ(MarkPixel(), kGlyphDisabledMark);
  EXPECT_GT(Area(44, 21, 120, 22).CountOf(kDisabledText), 0);
  EXPECT_EQ(Area(44, 21, 120, 22).CountOf(kBlack), 0);  // no black caption, no focus lines
  Act();
  Act(XK_space);
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(commands, 0);
  EXPECT_EQ(mouseUps, 1);
}

TEST_F(CheckBoxTest, ACommandThatDeletesTheBoxEndsTheClickThere) {
  deleteOnCommand = &box;
  Act();
  EXPECT_EQ(box, nullptr);
  EXPECT_EQ(commands, 1);
  EXPECT_EQ(mouseUps, 0);
}

}  // namespace
