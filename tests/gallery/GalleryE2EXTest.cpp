// The real tessarin-gallery, driven from outside as a user drives it: started in a scratch
// folder with the sample pictures on the private X server, read back through XGetImage, typed
// into, clicked and dragged through XTEST. Where the widgets stand comes from the gallery's
// own layout; what they show is judged by pixels, and many checks type something and then
// take it back, expecting exactly the first picture again. The beeps are counted through the
// stand-in for aplay.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>

#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gallery/GalleryLayout.h"
#include "support/ProgramE2E.h"
#include "support/ProgramProcess.h"
#include "support/RemoteScreen.h"
#include "support/Waiting.h"
#include "tessarin/framework/Point.h"

using namespace tessarin;

namespace {

using waiting::WaitUntil;
namespace g = gallery;

constexpr unsigned long kBlack = 0x000000;
constexpr unsigned long kWhite = 0xFFFFFF;
constexpr unsigned long kProgressBlue = 0x0000FF;
constexpr unsigned long kGreyText = 0x9B9B9B;
constexpr unsigned long kLabelGrey = 0xB7B7B7;
constexpr unsigned long kPanel = g::kPanelBack;
constexpr unsigned long kBackdrop = g::kBackdropBack;
// The stops of the lying slider lie this far apart on its track, which starts 20 pixels in.
constexpr int kSliderStep = (g::range::kSlider.w - 40) / g::range::kSliderMaximum;

Rect In(const Rect& panel, const Rect& inside) {
  return g::InWindow(panel, inside);
}

// The inside of a framed cell or box, clear of its frame.
Rect Inside(const Rect& box) {
  return {box.x + 2, box.y + 2, box.w - 4, box.h - 4};
}

Rect TextRow(int row, int left, int width) {
  return In(g::kTextPanel, {left, g::text::RowTop(row), width, g::text::RowHeight(row)});
}
Rect TextBox(int row) {
  return TextRow(row, g::text::kBoxLeft, g::text::kBoxWidth);
}
Rect ShownText(int row) {
  return Inside(TextRow(row, g::text::kShownLeft, g::text::kShownWidth));
}

Rect Sample(int index, bool transparent) {
  const Rect& row = transparent ? g::picture::kBackdrop : g::picture::kOpaqueRow;
  using namespace g::picture;
  return In(g::kPicturePanel, {kColumnLeft + index * kColumnPitch, row.y, kColumnWidth, row.h});
}

Rect OptionRow(int row) {
  const Rect box = g::choice::kOptionBox;
  return In(g::kChoicePanel,
            {box.x, box.y + row * g::choice::kOptionRowHeight, box.w, g::choice::kOptionRowHeight});
}

Rect ChoiceButton(int index) {
  using namespace g::choice;
  return In(g::kChoicePanel,
            {kButtonLeft, kOptionBox.y + index * kButtonPitch, kButtonWidth, g::kButtonHeight});
}

Rect DialogButton(int index) {
  using namespace g::dialog;
  return In(g::kDialogPanel,
            {g::kPanelInset + index * kButtonPitch, kButtonTop, kButtonWidth, g::kButtonHeight});
}

// Message boxes and the About window, in their own coordinates.
constexpr Rect kNoButton{10, 110, 110, 28};
constexpr Rect kYesOrOkButton{130, 110, 110, 28};
constexpr Rect kAboutPicture{15, 28, 64, 48};

class GalleryE2E : public ProgramE2E {
 protected:
  ProgramProcess* Program() override { return &gallery; }

  // Starts the gallery and waits for its first paint: the score lines, painted last, and the
  // transparent 4-bit sample on its backdrop, the last of the pictures.
  ::testing::AssertionResult Start() {
    const auto started = StartAndFindWindow(
        "the gallery",
        [](const WindowFacts& facts) { return facts.name == g::kWindowTitle && !facts.isDialog; },
        window);
    if (!started) return started;
    const Rect lines = Inside(In(g::kScorePanel, g::score::kLines));
    // The backdrop's fill leaves its last row in the section's colour: only colours that are
    // neither count as the picture.
    const bool painted = WaitUntil([&] {
      const auto last = Grab(Sample(2, true));
      const auto corner = screen.PixelAt(window, lines.x + lines.w - 1, lines.y + lines.h - 1);
      return last && corner == g::kShownBack && last->Count(kBackdrop) > 0 &&
             last->CountOtherThan(kBackdrop) > last->Count(kPanel) + last->Count(g::kFormBack);
    });
    if (!painted) return ::testing::AssertionFailure() << "the gallery was never fully painted";
    screen.Focus(window);
    return ::testing::AssertionSuccess();
  }

  std::optional<Picture> Grab(const Rect& box, Window from = 0) const {
    return screen.Grab(from != 0 ? from : window, box.x, box.y, box.w, box.h);
  }
  void Click(const Rect& box, Window in = 0) const {
    screen.Click(in != 0 ? in : window, box.x + box.w / 2, box.y + box.h / 2);
  }
  void Type(const std::vector<KeySym>& keys) const {
    for (KeySym key : keys) screen.TypeKey(key);
  }
  bool ShowsAgain(const Rect& box, const std::optional<Picture>& before) const {
    return WaitUntil([&] { return Grab(box) == before; });
  }
  bool Changes(const Rect& box, const std::optional<Picture>& before) const {
    return WaitUntil([&] {
      const auto now = Grab(box);
      return now && now != before;
    });
  }
  // The picture once it differs from before and has held still for a while: a repaint
  // arrives in several requests, and a grab between them would catch it half drawn.
  std::optional<Picture> Settled(const Rect& box, const std::optional<Picture>& before) const {
    std::optional<Picture> last;
    int stillFor = 0;
    const bool settled = WaitUntil([&] {
      const auto now = Grab(box);
      stillFor = now && now != before && now == last ? stillFor + 1 : 0;
      last = now;
      return stillFor >= 5;
    });
    return settled ? last : std::nullopt;
  }
  bool Holds(const Rect& box, unsigned long colour, int count) const {
    return WaitUntil([&] {
      const auto now = Grab(box);
      return now && now->Count(colour) == count;
    });
  }
  std::optional<WindowFacts> WaitForDialog(const std::string& title) const {
    return screen.WaitForWindow(
        [&](const WindowFacts& facts) { return facts.isDialog && facts.name == title; });
  }
  std::size_t Beeps() const { return gallery.CallsOf("aplay").size(); }

  ProgramProcess gallery{TESSARIN_GALLERY_BINARY,
                         TESSARIN_SOURCE_DIR,
                         {"gallery-24bit.bmp", "gallery-8bit.bmp", "gallery-4bit.bmp"}};
  Window window = 0;
};

TEST_F(GalleryE2E, StartsFixedSizeShowsThePicturesAnimatesAndEndsWhenClosed) {
  ASSERT_TRUE(Start());
  const auto facts = screen.Describe(window);
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(facts->width, g::kWindowWidth);
  EXPECT_EQ(facts->height, g::kWindowHeight);
  const auto hints = screen.NormalHints(window);
  ASSERT_TRUE(hints.has_value());
  EXPECT_EQ(hints->min_width, hints->max_width);
  EXPECT_EQ(hints->min_height, hints->max_height);

  // Each sample: drawn opaque its black sky shows, drawn transparent the backdrop does.
  for (int index = 0; index < 3; ++index) {
    const auto opaque = Grab(Sample(index, false));
    const auto transparent = Grab(Sample(index, true));
    ASSERT_TRUE(opaque && transparent);
    EXPECT_GT(opaque->Count(kBlack), 0) << "sample " << index;
    EXPECT_EQ(transparent->Count(kBlack), 0) << "sample " << index;
    EXPECT_GT(transparent->CountOtherThan(kBackdrop), transparent->Count(kPanel))
        << "sample " << index;
  }
  EXPECT_TRUE(gallery.ReadWorkFile("Data/gallery-4bit.bmp.c").has_value())
      << "the 4-bit reader wrote no C export";

  // The frames move on by themselves; the transparent one shows its backdrop at the corner.
  const Rect opaqueFrame = In(g::kPicturePanel, g::picture::kOpaqueFrame);
  const Rect transparentFrame =
      In(g::kPicturePanel, In(g::picture::kBackdrop, g::picture::kTransparentFrame));
  EXPECT_EQ(screen.PixelAt(window, opaqueFrame.x, opaqueFrame.y), kBlack);
  EXPECT_EQ(screen.PixelAt(window, transparentFrame.x, transparentFrame.y), kBackdrop);
  const auto frame = Grab(opaqueFrame);
  EXPECT_TRUE(Changes(opaqueFrame, frame)) << "the animation stands still";

  screen.SendCloseRequest(window);
  const auto status = gallery.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "closing the window did not end the gallery";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
}

// Ended from outside like the game: a refused key's beep player goes with the gallery.
TEST_F(GalleryE2E, SigtermEndsTheBeepAndTheGalleryWithStatus128PlusTheSignal) {
  gallery.ReplaceStandIn("aplay", "exec sleep 20");
  ASSERT_TRUE(Start());
  const Rect numeric = TextBox(g::text::kNumeric);
  screen.Click(window, numeric.x + numeric.w - 10, numeric.y + 10);
  Type({XK_x});
  ASSERT_TRUE(gallery.WaitForCalls("aplay", 1));
  ASSERT_EQ(kill(gallery.Pid(), SIGTERM), 0);
  const auto status = gallery.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "the gallery did not end";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
  EXPECT_EQ(WEXITSTATUS(*status), 128 + SIGTERM);
  EXPECT_TRUE(WaitUntil([&] { return gallery.LiveProcessesOfThisRun().empty(); }))
      << "the beep outlived the gallery";
}

// Another client destroys the window, as xdotool windowclose does, while the pictures animate.
TEST_F(GalleryE2E, TheWindowDestroyedFromOutsideEndsTheGalleryWithStatusOneAndOneLine) {
  ASSERT_TRUE(Start());
  screen.DestroyWindow(window);
  const auto status = gallery.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "the gallery runs on without its window";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
  EXPECT_EQ(WEXITSTATUS(*status), 1);
  EXPECT_EQ(gallery.ErrorOutput(), "tessarin-gallery: the main window was destroyed\n");
  EXPECT_TRUE(gallery.NothingLeftRunning());
}

TEST_F(GalleryE2E, TypingChangesWhatGetTextShowsAndTakingItBackRestoresIt) {
  ASSERT_TRUE(Start());
  using namespace g::text;
  struct Case {
    int row;
    std::vector<KeySym> typed;
    std::size_t beeps;  // refused keys among them
    std::vector<KeySym> takenBack;
  };
  const std::vector<Case> cases = {
      {kSingleLine, {XK_a}, 0, {XK_BackSpace}},
      // The click lands after the first line's end: Return there inserts an empty line.
      {kMultiLine, {XK_Return, XK_z}, 0, {XK_BackSpace, XK_BackSpace}},
      {kNumeric, {XK_x, XK_5}, 1, {XK_BackSpace}},
      {kDecimal, {XK_period, XK_1}, 1, {XK_BackSpace}},
      // Full at ten characters: the digit beeps, Backspace removes the last one.
      {kDate, {XK_1, XK_BackSpace}, 1, {XK_4}},
      {kPassword, {XK_s}, 0, {XK_BackSpace}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE("row " + std::to_string(test.row));
    const auto shown = Grab(ShownText(test.row));
    const std::size_t beepsBefore = Beeps();
    // In the last cell of the first line: the caret goes after the text there.
    const Rect end = TextBox(test.row);
    screen.Click(window, end.x + end.w - 10, end.y + 10);
    Type(test.typed);
    EXPECT_TRUE(Changes(ShownText(test.row), shown));
    EXPECT_TRUE(gallery.WaitForCalls("aplay", beepsBefore + test.beeps));
    Type(test.takenBack);
    EXPECT_TRUE(ShowsAgain(ShownText(test.row), shown));
    EXPECT_EQ(Beeps(), beepsBefore + test.beeps);
  }
  // A capital is the one the press typed, even when Shift goes up before the letter does, as
  // fast typists and xdotool let go: both ways of typing "Abc" read alike.
  const auto plain = Grab(ShownText(kSingleLine));
  const Rect box = TextBox(kSingleLine);
  screen.Click(window, box.x + box.w - 10, box.y + 10);
  bool shifted = false;
  const KeyCode shift = screen.KeycodeFor(XK_Shift_L, shifted),
                a = screen.KeycodeFor(XK_a, shifted);
  const auto typeAbc = [&](KeyCode firstUp) {
    screen.Key(shift, true);
    screen.Key(a, true);
    screen.Key(firstUp, false);
    screen.Key(firstUp == a ? shift : a, false);
    Type({XK_b, XK_c});
  };
  const auto takeBack = [&] {
    Type({XK_BackSpace, XK_BackSpace, XK_BackSpace});
    return ShowsAgain(ShownText(kSingleLine), plain);
  };
  // The letters arrive one by one: the reference is the picture once it has held still for
  // a while; the other way of typing must come to the very same picture.
  typeAbc(a);
  const auto typedInOrder = Settled(ShownText(kSingleLine), plain);
  ASSERT_TRUE(typedInOrder.has_value());
  ASSERT_TRUE(takeBack());
  typeAbc(shift);
  EXPECT_TRUE(ShowsAgain(ShownText(kSingleLine), typedInOrder))
      << "Shift let go first lost the capital";
  ASSERT_TRUE(takeBack());

  // Neither the read-only nor the disabled box takes a key, and their texts stay.
  const auto readOnly = Grab(ShownText(kReadOnly));
  const auto disabled = Grab(ShownText(kDisabled));
  const auto password = Grab(ShownText(kPassword));
  Click(TextBox(kReadOnly));
  Type({XK_a});
  Click(TextBox(kDisabled));
  Type({XK_b});
  // A key that is taken, typed last, shows that the two before it have been handled.
  Click(TextBox(kPassword));
  Type({XK_c});
  EXPECT_TRUE(Changes(ShownText(kPassword), password));
  EXPECT_EQ(Grab(ShownText(kReadOnly)), readOnly);
  EXPECT_EQ(Grab(ShownText(kDisabled)), disabled);
}

TEST_F(GalleryE2E, TheSliderFillsTheBarAndTheScrollBarsStepByClicksAndKeys) {
  ASSERT_TRUE(Start());
  using namespace g::range;
  // The bar's blue fills (its inner width) x value / maximum columns of its inner height.
  const Rect bar = In(g::kRangePanel, kProgress);
  const auto blueFor = [&](int value) {
    return (bar.w - 2) * value / kSliderMaximum * (bar.h - 2);
  };
  EXPECT_TRUE(Holds(bar, kProgressBlue, blueFor(kSliderStart)));

  // Dragged from the stop of 4 to the stop of 9, across the ticks between.
  const Rect slider = In(g::kRangePanel, kSlider);
  const int track = slider.x + 20, middle = slider.y + slider.h / 2;
  const auto sliderValue = Grab(In(g::kRangePanel, kSliderValue));
  screen.Press(window, track + kSliderStart * kSliderStep, middle);
  for (int stop = kSliderStart + 1; stop <= 9; ++stop) {
    screen.MovePointer(window, track + stop * kSliderStep, middle);
  }
  screen.Release(window, track + 9 * kSliderStep, middle);
  EXPECT_TRUE(Holds(bar, kProgressBlue, blueFor(9)));
  EXPECT_TRUE(Changes(In(g::kRangePanel, kSliderValue), sliderValue));

  // A click on a scroll bar's first page, then the arrow keys back to where it stood; the
  // standing slider steps by its keys too.
  struct Case {
    Rect widget;
    Rect value;
    Point click;  // in the widget
    std::vector<KeySym> back;
  };
  const std::vector<Case> cases = {
      {kScroll, kScrollValue, {21 + 5, kScroll.h / 2}, {XK_Right, XK_Right}},
      {kStandingScroll, kStandingScrollValue, {kStandingScroll.w / 2, 21 + 5}, {XK_Down}},
      // On the stop of its value (2, eight pixels a step from the top of the track): a
      // press that changes nothing but the focus.
      {kStandingSlider, kStandingSliderValue, {kStandingSlider.w / 2, 18 + 2 * 20}, {}},
  };
  for (const Case& test : cases) {
    const Rect widget = In(g::kRangePanel, test.widget);
    const Rect value = In(g::kRangePanel, test.value);
    const auto before = Grab(value);
    const auto look = Grab(widget);
    screen.Click(window, widget.x + test.click.x, widget.y + test.click.y);
    if (test.back.empty()) {
      Type({XK_Down});
      EXPECT_TRUE(Changes(value, before)) << "slider";
      Type({XK_Up});
    } else {
      EXPECT_TRUE(Changes(value, before)) << "scroll bar at " << test.widget.x;
      Type(test.back);
      EXPECT_TRUE(ShowsAgain(widget, look)) << "scroll bar at " << test.widget.x;
    }
    EXPECT_TRUE(ShowsAgain(value, before)) << "value at " << test.value.x;
  }
}

TEST_F(GalleryE2E, CheckBoxesAndTheOptionBoxAnswerClicksAndTheRowButtons) {
  ASSERT_TRUE(Start());
  using namespace g::choice;
  // The box's 20-pixel mark, away from its caption and focus rectangle.
  const auto checkBox = [](int index) {
    return In(g::kChoicePanel, {kCheckLeft + 1, kFirstCheckTop + index * kCheckPitch + 1, 20, 20});
  };
  const Rect options = In(g::kChoicePanel, kOptionBox);
  const Rect selection = Inside(In(g::kChoicePanel, kSelection));
  const auto disabledBox = Grab(checkBox(2));

  // Unticking the first box disables the option box: its captions turn grey; the disabled
  // box, clicked first, stays as it was.
  Click(checkBox(2));
  const auto ticked = Grab(checkBox(0));
  Click(checkBox(0));
  EXPECT_TRUE(WaitUntil([&] { return Grab(options)->Count(kGreyText) > 0; }));
  EXPECT_TRUE(Changes(checkBox(0), ticked));
  EXPECT_EQ(Grab(checkBox(2)), disabledBox);
  Click(checkBox(0));
  EXPECT_TRUE(Holds(options, kGreyText, 0));
  EXPECT_TRUE(ShowsAgain(checkBox(0), ticked));

  // A click on a row selects it.
  auto shown = Grab(selection);
  Click(OptionRow(1));
  EXPECT_TRUE(Changes(selection, shown));

  // Three rows more fill the box; Add then turns grey, and the sixth row has its caption.
  for (int i = 0; i < kMaxOptionRows - 3; ++i) Click(ChoiceButton(0));
  EXPECT_TRUE(WaitUntil([&] { return Grab(OptionRow(5))->Count(kBlack) > 0; }));
  EXPECT_TRUE(WaitUntil([&] { return Grab(ChoiceButton(0))->Count(kGreyText) > 0; }));
  // Remove takes the selected row away: the last row empties.
  Click(ChoiceButton(1));
  EXPECT_TRUE(Holds(Inside(OptionRow(5)), kPanel, (OptionRow(5).w - 4) * (OptionRow(5).h - 4)));
  // Clear leaves the box empty and nothing selected, and greys Remove and Clear.
  shown = Grab(selection);
  Click(ChoiceButton(2));
  EXPECT_TRUE(Holds(Inside(options), kPanel, (options.w - 4) * (options.h - 4)));
  EXPECT_TRUE(Changes(selection, shown));
  EXPECT_TRUE(WaitUntil([&] { return Grab(ChoiceButton(2))->Count(kGreyText) > 0; }));
  EXPECT_GT(Grab(ChoiceButton(1))->Count(kGreyText), 0);
}

TEST_F(GalleryE2E, NamesEnteredInTheNameWindowJoinTheScoreTable) {
  ASSERT_TRUE(Start());
  using namespace g::score;
  const Rect lines = Inside(In(g::kScorePanel, kLines));
  const auto enter = [&](const std::vector<KeySym>& name) -> ::testing::AssertionResult {
    const auto shown = Grab(lines);
    Click(In(g::kScorePanel, kNameButton));
    const auto dialog = WaitForDialog("Name");
    if (!dialog) return ::testing::AssertionFailure() << "no name window";
    if (screen.TransientFor(dialog->id) != window) {
      return ::testing::AssertionFailure() << "the name window is not the gallery's";
    }
    screen.Focus(dialog->id);
    Type(name);
    Type({XK_Return});
    if (!screen.WaitUntilGone(dialog->id)) return ::testing::AssertionFailure() << "still open";
    screen.Focus(window);
    if (!Changes(lines, shown)) return ::testing::AssertionFailure() << "the lines stayed";
    return ::testing::AssertionSuccess();
  };
  ASSERT_TRUE(enter({XK_a, XK_n, XK_n, XK_a}));
  EXPECT_EQ(gallery.ReadWorkFile("Data/Gallery/Score/Classifica.txt"), "00000100 anna\n");

  // The score box overwritten from its first cell: 042 ranks before 100.
  const Rect box = In(g::kScorePanel, kScoreBox);
  screen.Click(window, box.x + 6, box.y + box.h / 2);
  Type({XK_0, XK_4, XK_2});
  ASSERT_TRUE(enter({XK_b, XK_o}));
  EXPECT_EQ(gallery.ReadWorkFile("Data/Gallery/Score/Classifica.txt"),
            "00000042 bo\n00000100 anna\n");
  // Two lines of text now, one under the other.
  const auto shown = Grab(lines);
  ASSERT_TRUE(shown.has_value());
  const auto rowHasText = [&](int top, int height) {
    for (int y = top; y < top + height; ++y) {
      for (int x = 0; x < shown->width; ++x) {
        if (shown->At(x, y) == kBlack) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(rowHasText(0, 15));
  EXPECT_TRUE(rowHasText(15, 15));
  EXPECT_FALSE(rowHasText(30, 15));
}

TEST_F(GalleryE2E, TheDialogsOpenBlockTheGalleryCloseAndReportTheirAnswers) {
  ASSERT_TRUE(Start());
  const Rect answer = Inside(In(g::kDialogPanel, g::dialog::kAnswer));
  std::vector<Picture> answers{*Grab(answer)};
  struct Case {
    int button;
    const char* title;
    Rect press;
  };
  for (const Case& test : {Case{0, "Message", kYesOrOkButton}, Case{1, "Question", kNoButton},
                           Case{1, "Question", kYesOrOkButton}}) {
    SCOPED_TRACE(test.title);
    Click(DialogButton(test.button));
    const auto dialog = WaitForDialog(test.title);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(screen.TransientFor(dialog->id), window);
    ASSERT_TRUE(WaitUntil([&] { return screen.PixelAt(dialog->id, 12, 12) == kLabelGrey; }));
    // Blocked: a click on the gallery's check box changes nothing.
    const Rect box = In(g::kChoicePanel, {g::choice::kCheckLeft, g::choice::kFirstCheckTop,
                                          g::choice::kCheckWidth, g::choice::kCheckHeight});
    const auto ticked = Grab(box);
    Click(box);
    Click(test.press, dialog->id);
    EXPECT_TRUE(screen.WaitUntilGone(dialog->id));
    const auto answered = Settled(answer, answers.back());
    ASSERT_TRUE(answered.has_value());
    answers.push_back(*answered);
    EXPECT_EQ(Grab(box), ticked);
  }
  EXPECT_NE(answers[1], answers[3]) << "OK and YES read alike";

  Click(DialogButton(2));
  const auto about = WaitForDialog("Info...");
  ASSERT_TRUE(about.has_value());
  // The 8-bit sample is its picture: the rainbow's colours, not the window's grey.
  EXPECT_TRUE(WaitUntil([&] {
    const auto picture = Grab(kAboutPicture, about->id);
    return picture && picture->CountOtherThan(0xAAAAAA) > kAboutPicture.w * kAboutPicture.h / 2;
  }));
  // The texts stand right of the picture, so the notice's left frame lies right of it too.
  EXPECT_EQ(screen.PixelAt(about->id, kAboutPicture.w + 45, 150), kBlack)
      << "the first About window took the picture's width before reading the picture";
  // It took the keyboard when it opened: Return reaches its OK.
  Type({XK_Return});
  EXPECT_TRUE(screen.WaitUntilGone(about->id));
}

}  // namespace
