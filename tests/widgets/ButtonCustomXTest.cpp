// The push button on a real window, driven by real XTEST clicks and keys through the loop's
// dispatch: its bevel, focus rectangle and caption pixels, when its command runs and when it
// does not, the disabled look, the erase on a move, and images.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <vector>

#include "graphics/GraphicsTestSupport.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "tessarin/app/Application.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/XImageFactory.h"
#include "tessarin/widgets/ButtonCustom.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x336699;
constexpr Color kButtonColor = 0xFFFDE5;

std::vector<GUIElement*> commandSenders;
int mouseCallbacks = 0;

void RecordCommand(GUIElement* sender) {
  commandSenders.push_back(sender);
}

class ButtonCustomTest : public CanvasFixture {
 protected:
  ButtonCustomTest() : CanvasFixture({360, 20, 300, 200, kFormColor, true}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    commandSenders.clear();
    mouseCallbacks = 0;
    button = std::make_unique<ButtonCustom>(form.get(), "GO");
    button->MoveTo(20, 20);
    button->SetSize(100, 30);
    button->SetBackColor(kButtonColor);
    button->SetCommand(RecordCommand);
    button->Create();
    button->Paint();
    Pump(form.get());
  }
  void TearDown() override {
    button.reset();
    CanvasFixture::TearDown();
  }

  bool LooksRaised() { return At(60, 20) == kWhite && At(119, 35) == kBlack; }
  bool LooksSunken() { return At(60, 20) == kBlack && At(119, 35) == kWhite; }
  // Black pixels on the top line of the focus rectangle (x 24..115 at y 23).
  int FocusLinePixels() {
    return PixelRegion(display(), form->GetWindow(), 24, 23, 92, 1).Count(kBlack);
  }

  std::unique_ptr<ButtonCustom> button;
};

TEST_F(ButtonCustomTest, RaisedBevelAndCentredCaption) {
  EXPECT_EQ(At(60, 20), kWhite);
  EXPECT_EQ(At(20, 35), kWhite);
  EXPECT_EQ(At(119, 35), kBlack);
  EXPECT_EQ(At(60, 49), kBlack);
  EXPECT_EQ(At(22, 22), kButtonColor);
  EXPECT_EQ(FocusLinePixels(), 0);
  PixelBounds caption = PixelRegion(display(), form->GetWindow(), 21, 21, 98, 28).BoundsOf(kBlack);
  ASSERT_FALSE(caption.Empty());
  EXPECT_NEAR(caption.CenterX2(), 20 + 119, 4);
}

TEST_F(ButtonCustomTest, ClickShowsSunkenThenRaisedWithDashedFocusAndRunsTheCommandOnce) {
  Press(form.get(), 70, 35);
  Pump(form.get());
  EXPECT_TRUE(button->IsPressed());
  EXPECT_TRUE(button->HasFocus());
  EXPECT_TRUE(LooksSunken());
  EXPECT_EQ(FocusLinePixels(), 0);
  EXPECT_TRUE(commandSenders.empty());

  Release(form.get(), 70, 35);
  Pump(form.get());
  ASSERT_EQ(commandSenders.size(), 1u);
  EXPECT_EQ(commandSenders[0], button.get());
  EXPECT_FALSE(button->IsPressed());
  EXPECT_TRUE(LooksRaised());
  // Dashes: some of the line is drawn, some is not.
  int dashes = FocusLinePixels();
  EXPECT_GT(dashes, 20);
  EXPECT_LT(dashes, 80);
  int leftDashes = PixelRegion(display(), form->GetWindow(), 24, 23, 1, 24).Count(kBlack);
  EXPECT_GT(leftDashes, 4);
  EXPECT_LT(leftDashes, 24);
}

TEST_F(ButtonCustomTest, PressDragOutAndReleaseRunsNothingAndDropsTheFocus) {
  Press(form.get(), 70, 35);
  Pump(form.get());
  Release(form.get(), 250, 150);
  Pump(form.get());
  EXPECT_TRUE(commandSenders.empty());
  EXPECT_FALSE(button->HasFocus());
  EXPECT_EQ(Application::FocusedElement(), nullptr);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_TRUE(LooksRaised());
  EXPECT_EQ(FocusLinePixels(), 0);
}

TEST_F(ButtonCustomTest, ReturnSinksOnPressAndRunsTheCommandOnRelease) {
  TypeKey(XK_Tab);
  Pump(form.get());
  ASSERT_EQ(Application::FocusedElement(), button.get());

  KeyDown(XK_Return);
  Pump(form.get());
  EXPECT_TRUE(LooksSunken());
  EXPECT_TRUE(commandSenders.empty());

  KeyUp(XK_Return);
  Pump(form.get());
  EXPECT_TRUE(LooksRaised());
  EXPECT_EQ(commandSenders.size(), 1u);
}

TEST_F(ButtonCustomTest, KeypadEnterRunsTheCommandWithoutSinking) {
  if (XKeysymToKeycode(display(), XK_KP_Enter) == 0) GTEST_SKIP() << "no keypad Enter key";
  Application::SetFocusedElement(button.get());
  button->GotFocus();
  KeyDown(XK_KP_Enter);
  Pump(form.get());
  EXPECT_TRUE(LooksRaised());
  KeyUp(XK_KP_Enter);
  Pump(form.get());
  EXPECT_EQ(commandSenders.size(), 1u);
}

TEST_F(ButtonCustomTest, DisabledButtonIsGreyAndAnswersNothing) {
  button->SetOnMouseDown([](GUIElement*, std::uint64_t, Point) { ++mouseCallbacks; });
  button->SetOnMouseUp([](GUIElement*, std::uint64_t, Point) { ++mouseCallbacks; });
  Application::SetFocusedElement(button.get());
  button->GotFocus();
  button->Enable(false);

  PixelRegion face(display(), form->GetWindow(), 21, 21, 98, 28);
  EXPECT_GT(face.Count(kDisabledText), 0);
  EXPECT_EQ(face.Count(kBlack), 0);  // no black caption, no focus rectangle

  Click(form.get(), 70, 35);
  Pump(form.get());
  button->MouseDown({70, 35});
  button->MouseUp({70, 35});
  EXPECT_FALSE(button->KeyChar(13));
  EXPECT_TRUE(commandSenders.empty());
  EXPECT_EQ(mouseCallbacks, 0);
  EXPECT_FALSE(button->IsPressed());
  EXPECT_TRUE(LooksRaised());
}

TEST_F(ButtonCustomTest, ResizingAndMovingACreatedButtonEraseTheOldRectangle) {
  button->SetSize(60, 20);
  EXPECT_EQ(At(100, 45), kFormColor);  // inside the old box
  EXPECT_EQ(At(119, 30), kFormColor);  // its dark right edge
  EXPECT_EQ(At(100, 49), kFormColor);  // and bottom edge
  EXPECT_EQ(At(79, 30), kBlack);       // the new right edge
  EXPECT_TRUE(button->IsCreated());

  button->SetPosition(150, 120);
  EXPECT_EQ(At(40, 30), kFormColor);
  EXPECT_EQ(At(170, 120), kWhite);
  EXPECT_EQ(At(209, 130), kBlack);
}

TEST_F(ButtonCustomTest, WithoutAnyBackgroundTheFaceIsNeutralGrey) {
  RecordingForm plain(app.get(), nullptr, 360, 260, 200, 100);
  plain.Create();
  WaitUntilMapped(&plain);
  {
    Painter painter(PaintTargetOf(&plain));
    painter.FillRect(10, 10, 101, 31, 0, 0, 0xFF0000);
  }
  ButtonCustom grey(&plain, "");
  grey.MoveTo(10, 10);
  grey.SetSize(100, 30);
  grey.Create();
  grey.Paint();
  EXPECT_EQ(PixelAt(&plain, 50, 25), kFallbackGrey);
}

TEST_F(ButtonCustomTest, ImagesAreCentredAloneAndPutLeftBesideACaption) {
  const int side = 10;
  std::vector<unsigned char> green(side * side * 3, 0);
  for (int i = 0; i < side * side; ++i) green[i * 3 + 1] = 0xFF;
  OwnedXImage picture(MakeXImage(display(), green.data(), side, side));
  ASSERT_NE(picture, nullptr);

  button->SetText("");
  button->SetImage(picture.get());
  // Centred in 100 x 30 at (20, 20): x 65..74, y 30..39.
  PixelBounds alone = PixelRegion(display(), form->GetWindow(), 20, 20, 100, 30).BoundsOf(0x00FF00);
  EXPECT_EQ(alone.left, 65);
  EXPECT_EQ(alone.top, 30);
  EXPECT_EQ(alone.right, 74);

  button->SetText("GO");
  PixelBounds beside =
      PixelRegion(display(), form->GetWindow(), 20, 20, 100, 30).BoundsOf(0x00FF00);
  EXPECT_EQ(beside.left, 28);
  EXPECT_EQ(beside.top, 30);
}

}  // namespace
