// The check box on a real window, driven by real XTEST clicks and keys through the loop's
// dispatch: its box, mark, caption and focus pixels, the toggles and the commands they run,
// Space and Return, the disabled look, the minimum height, and a command that deletes the box.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>

#include "app/Application.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "widgets/CheckBox.h"
#include "widgets/GlyphArt.h"

namespace {

constexpr Color kFormColor = 0x336699;

int commands = 0;
GUIElement* lastSender = nullptr;
int mouseUps = 0;
int otherCallbacks = 0;

void RecordCommand(GUIElement* sender) {
  ++commands;
  lastSender = sender;
}

class CheckBoxTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    commands = mouseUps = otherCallbacks = 0;
    lastSender = nullptr;
    form = std::make_unique<RecordingForm>(app.get(), nullptr, 360, 20, 300, 200);
    form->SetBackColor(kFormColor);
    form->Create();
    WaitUntilMapped(form.get());
    XSetInputFocus(display(), form->GetWindow(), RevertToParent, CurrentTime);
    // The box at (20, 20), 150 x 30: its picture covers (21, 21)-(40, 40), the caption starts
    // at x 46 and the focus rectangle's top line runs along y 22 from x 43 to 162.
    box = std::make_unique<CheckBox>(form.get(), "Audio");
    box->MoveTo(20, 20);
    box->SetSize(150, 30);
    box->SetCommand(RecordCommand);
    box->SetOnMouseUp([](GUIElement*, std::uint64_t, Point) { ++mouseUps; });
    box->SetOnMouseDown([](GUIElement*, std::uint64_t, Point) { ++otherCallbacks; });
    box->SetOnKeyDown([](GUIElement*, unsigned long) { ++otherCallbacks; });
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
  // A pixel of the check mark, and one of the face that no mark covers.
  Color MarkPixel() { return At(21 + 7, 21 + 11); }
  Color FacePixel() { return At(21 + 7, 21 + 5); }
  int FocusLinePixels() {
    return PixelRegion(display(), form->GetWindow(), 43, 22, 120, 1).Count(kBlack);
  }
  PixelRegion Caption() { return PixelRegion(display(), form->GetWindow(), 46, 21, 120, 30); }
  void ClickBox() {
    Click(form.get(), 100, 35);
    Pump(form.get());
  }

  std::unique_ptr<RecordingForm> form;
  std::unique_ptr<CheckBox> box;
};

TEST_F(CheckBoxTest, PaintsASunkenEmptyBoxBesideItsCaptionOnTheContainersBackground) {
  EXPECT_EQ(At(21, 21), kGlyphOuterShadow);
  EXPECT_EQ(At(22, 30), kGlyphInnerShadow);
  EXPECT_EQ(At(40, 40), kGlyphOuterLight);
  EXPECT_EQ(MarkPixel(), kGlyphFace);
  EXPECT_EQ(FacePixel(), kGlyphFace);
  EXPECT_EQ(At(20, 20), kFormColor);
  EXPECT_EQ(At(42, 35), kFormColor);
  PixelBounds caption = Caption().BoundsOf(kBlack);
  ASSERT_FALSE(caption.Empty());
  EXPECT_GE(caption.left, 46);
  EXPECT_LT(caption.left, 50);  // left-aligned
  EXPECT_EQ(FocusLinePixels(), 0);
}

TEST_F(CheckBoxTest, EachClickTogglesRunsTheCommandOnceAndShowsTheFocus) {
  const bool expectedChecked[] = {true, false, true};
  for (int click = 1; click <= 3; ++click) {
    ClickBox();
    EXPECT_EQ(box->IsChecked(), expectedChecked[click - 1]);
    EXPECT_EQ(commands, click);
    EXPECT_EQ(mouseUps, click);
    EXPECT_EQ(MarkPixel(), expectedChecked[click - 1] ? kGlyphMark : kGlyphFace);
  }
  EXPECT_EQ(lastSender, box.get());
  EXPECT_EQ(otherCallbacks, 0);  // neither the press nor a key reaches the callbacks
  EXPECT_TRUE(box->HasFocus());
  int dashes = FocusLinePixels();
  EXPECT_GT(dashes, 20);
  EXPECT_LT(dashes, 100);
  // The right line runs from y 22 down to y 50, one row below the box.
  EXPECT_GT(PixelRegion(display(), form->GetWindow(), 162, 22, 1, 29).Count(kBlack), 4);
}

TEST_F(CheckBoxTest, SpaceTogglesAFocusedBoxAndReturnDoesNothing) {
  TypeKey(XK_Tab);
  Pump(form.get());
  ASSERT_EQ(Application::FocusedElement(), box.get());
  TypeKey(XK_Return);
  Pump(form.get());
  EXPECT_FALSE(box->IsChecked());
  EXPECT_EQ(commands, 0);

  TypeKey(XK_space);
  Pump(form.get());
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(commands, 1);
  EXPECT_EQ(MarkPixel(), kGlyphMark);
  EXPECT_EQ(otherCallbacks, 0);
}

TEST_F(CheckBoxTest, ADisabledBoxIsGreyAndOnlyItsMouseUpCallbackAnswersAClick) {
  box->SetChecked(true);
  Application::SetFocusedElement(box.get());
  box->GotFocus();
  box->Enable(false);
  EXPECT_EQ(FacePixel(), kGlyphDisabledFace);
  EXPECT_EQ(MarkPixel(), kGlyphDisabledMark);
  EXPECT_GT(Caption().Count(kDisabledText), 0);
  EXPECT_EQ(Caption().Count(kBlack), 0);  // no black caption, no focus rectangle

  ClickBox();
  TypeKey(XK_space);
  Pump(form.get());
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(commands, 0);
  EXPECT_EQ(mouseUps, 1);
}

TEST_F(CheckBoxTest, ABoxIsAtLeastTwentyTwoPixelsHigh) {
  box->SetSize(150, 10);
  EXPECT_EQ(box->GetHeight(), 22);
  EXPECT_EQ(At(40, 40), kGlyphOuterLight);
}

TEST_F(CheckBoxTest, ACommandThatDeletesTheBoxEndsTheClickThere) {
  static std::unique_ptr<CheckBox>* owner = nullptr;
  owner = &box;
  box->SetCommand([](GUIElement*) {
    ++commands;
    owner->reset();
  });
  ClickBox();
  EXPECT_EQ(box, nullptr);
  EXPECT_EQ(commands, 1);
  EXPECT_EQ(mouseUps, 0);
}

}  // namespace
