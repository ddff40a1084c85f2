// The real tessarin-gallery under a storm of random input over its window and every dialog it
// opens (message, question, About with its links, the name window). Afterwards the gallery must
// still answer: the lying slider, clicked at two stops, fills the progress bar to match, and
// closing the window ends the program with status 0, leaving nothing behind. The seed is
// printed; TESSARIN_STORM_SEED replays it.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <string>

#include "gallery/GalleryLayout.h"
#include "support/StormFixture.h"
#include "tessarin/graphics/Rect.h"

using namespace tessarin;

namespace {

namespace g = gallery;

constexpr unsigned long kProgressBlue = 0x0000FF;

StormArea In(const std::string& window, const Rect& box) {
  return {window, box.x, box.y, box.w, box.h};
}
StormArea InGallery(const Rect& panel, const Rect& box) {
  return In(g::kWindowTitle, g::InWindow(panel, box));
}

// Every widget of the window that takes input, and the buttons, boxes and links of its
// dialogs (in their own coordinates).
std::vector<StormArea> GalleryTargets() {
  using namespace g;
  std::vector<StormArea> targets;
  for (int row = 0; row < text::kRowCount; ++row) {
    targets.push_back(InGallery(
        kTextPanel, {text::kBoxLeft, text::RowTop(row), text::kBoxWidth, text::RowHeight(row)}));
  }
  for (int i = 0; i < 3; ++i) {
    targets.push_back(InGallery(
        kChoicePanel, {choice::kCheckLeft, choice::kFirstCheckTop + i * choice::kCheckPitch,
                       choice::kCheckWidth, choice::kCheckHeight}));
    targets.push_back(InGallery(
        kChoicePanel, {choice::kButtonLeft, choice::kOptionBox.y + i * choice::kButtonPitch,
                       choice::kButtonWidth, kButtonHeight}));
    targets.push_back(
        InGallery(kDialogPanel, {kPanelInset + i * dialog::kButtonPitch, dialog::kButtonTop,
                                 dialog::kButtonWidth, kButtonHeight}));
  }
  for (const Rect& box : {choice::kOptionBox}) targets.push_back(InGallery(kChoicePanel, box));
  for (const Rect& box :
       {range::kSlider, range::kScroll, range::kStandingSlider, range::kStandingScroll}) {
    targets.push_back(InGallery(kRangePanel, box));
  }
  targets.push_back(InGallery(kScorePanel, score::kScoreBox));
  targets.push_back(InGallery(kScorePanel, score::kNameButton));
  const Rect yesOrOk{130, 110, 110, 28}, no{10, 110, 110, 28};
  targets.insert(targets.end(),
                 {In("Message", yesOrOk), In("Question", yesOrOk), In("Question", no),
                  In("Info...", {209, 68, 200, 12}), In("Info...", {419, 68, 150, 12}),
                  In("Info...", {359, 173, 80, 28}), In("Name", {62, 45, 125, 20}),
                  In("Name", {85, 80, 80, 28})});
  return targets;
}

// Closing the gallery's window ends it at once: that waits for the end of the storm.
StormPlan GalleryPlan() {
  StormPlan plan;
  plan.targets = GalleryTargets();
  plan.noClose = {g::kWindowTitle};
  return plan;
}

class GalleryStorm : public StormFixture {
 protected:
  GalleryStorm()
      : StormFixture(TESSARIN_GALLERY_BINARY, TESSARIN_SOURCE_DIR,
                     {"gallery-24bit.bmp", "gallery-8bit.bmp", "gallery-4bit.bmp"}, GalleryPlan()) {
  }

  // The score lines are painted last.
  ::testing::AssertionResult StartGallery() {
    const Rect lines = g::InWindow(g::kScorePanel, g::score::kLines);
    return Start(g::kWindowTitle, [this, lines] {
      return screen.PixelAt(mainWindow, lines.x + lines.w - 3, lines.y + lines.h - 3) ==
             g::kShownBack;
    });
  }

  // A click at a stop of the lying slider sets its value, and the bar under it fills to match.
  ::testing::AssertionResult SliderFillsTheBar(int stop) {
    using namespace g::range;
    const Rect slider = g::InWindow(g::kRangePanel, kSlider);
    const Rect bar = g::InWindow(g::kRangePanel, kProgress);
    const int step = (kSlider.w - 40) / kSliderMaximum;
    screen.Click(mainWindow, slider.x + 20 + stop * step, slider.y + slider.h / 2);
    const int blue = (bar.w - 2) * stop / kSliderMaximum * (bar.h - 2);
    if (WaitUntil([&] {
          const auto shown = screen.Grab(mainWindow, bar.x, bar.y, bar.w, bar.h);
          return shown && shown->Count(kProgressBlue) == blue;
        })) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the bar does not show the slider at " << stop;
  }
};

TEST_F(GalleryStorm, OutlivesTheStormAndStillAnswersAndEndsWithStatusZero) {
  ASSERT_TRUE(StartGallery());
  ASSERT_TRUE(RunStorm());
  EXPECT_TRUE(NoChildLeft());
  ASSERT_TRUE(CloseDialogs());
  EXPECT_TRUE(SliderFillsTheBar(2));
  EXPECT_TRUE(SliderFillsTheBar(7));
  screen.SendCloseRequest(mainWindow);
  EXPECT_TRUE(EndsCleanly());
}

}  // namespace
