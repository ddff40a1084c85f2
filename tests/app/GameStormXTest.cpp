// The real tessarin binary under a storm of random input over every window it opens (the main
// window, the exit question, the win message, the About window with its links). Afterwards the
// game must still play: START deals a shuffled board, and EXIT and YES end it with status 0,
// leaving nothing behind. The seed is printed; TESSARIN_STORM_SEED replays it.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <optional>
#include <string>

#include "support/BoardReader.h"
#include "support/GameLayout.h"
#include "support/StormFixture.h"

namespace {

using game_layout::Area;
using game_layout::CaptionOf;

constexpr char kMainTitle[] = "Tessarin - ";
constexpr Area kBoard{20, 25, 358, 550};

StormArea In(const std::string& window, const Area& area) {
  return {window, area.x, area.y, area.width, area.height};
}

// YES to the exit question ends the game, so the storm leaves it (and Return there, which
// answers it once Tab has reached YES) to the end.
StormPlan GamePlan() {
  using namespace game_layout;
  StormPlan plan;
  plan.targets = {
      In(kMainTitle, kInfoButton), In(kMainTitle, kStartButton), In(kMainTitle, kExitButton),
      In(kMainTitle, kBoard),      In("Exit", kNoButton),        In("Game", kYesOrOkButton),
      In("Info...", kWebLink),     In("Info...", kMailLink),     In("Info...", kAboutOkButton)};
  plan.keepOff = {In("Exit", kYesOrOkButton)};
  plan.noReturn = {"Exit"};
  // The hint builds the solver's tables once; its own end-to-end test covers it.
  plan.untyped = {XK_h, XK_H};
  return plan;
}

class GameStorm : public StormFixture {
 protected:
  GameStorm() : StormFixture(TESSARIN_BINARY, TESSARIN_SOURCE_DIR, {}, GamePlan()) {}

  // Started once the ordered board and the START caption are drawn, both learnt for later.
  ::testing::AssertionResult StartGame() {
    return Start(kMainTitle, [this] {
      if (!board) board.emplace(screen, mainWindow);
      std::string whyNot;
      startCaption = Caption();
      return startCaption && startCaption->Count(game_layout::kWhite) > 0 && board->Learn(whyNot);
    });
  }

  std::optional<Picture> Caption() const {
    const Area caption = CaptionOf(game_layout::kStartButton);
    return screen.Grab(mainWindow, caption.x, caption.y, caption.width, caption.height);
  }
  // A whole caption other than START; a caption being repainted is plain red for a moment.
  bool ReadsOtherThanStart() const {
    const auto caption = Caption();
    return caption && caption != startCaption && caption->Count(game_layout::kWhite) > 0;
  }
  void Click(Window window, const Area& area) const {
    screen.Click(window, area.CentreX(), area.CentreY());
  }

  // Back to the ordered board, through CANCEL when the storm left a game running.
  ::testing::AssertionResult BackToIdle() {
    if (!WaitUntil([this] { return Caption() == startCaption || ReadsOtherThanStart(); })) {
      return ::testing::AssertionFailure() << "the START button shows no whole caption";
    }
    if (Caption() != startCaption) Click(mainWindow, game_layout::kStartButton);
    if (!WaitUntil([this] { return Caption() == startCaption; })) {
      return ::testing::AssertionFailure() << "CANCEL did not end the game";
    }
    if (!WaitUntil([this] { return board->Read() == fifteen::OrderedBoard(); })) {
      return ::testing::AssertionFailure() << "the ordered board did not come back";
    }
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult StartShuffles() {
    Click(mainWindow, game_layout::kStartButton);
    if (!WaitUntil([this] { return ReadsOtherThanStart(); })) {
      return ::testing::AssertionFailure() << "START did not answer";
    }
    const auto dealt = board->Read();
    if (!dealt || !fifteen::HoldsEveryTileOnce(*dealt) || fifteen::IsOrdered(*dealt)) {
      return ::testing::AssertionFailure()
             << "START dealt " << (dealt ? DescribeBoard(*dealt) : "an unreadable board");
    }
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult ExitThroughTheQuestion() {
    Click(mainWindow, game_layout::kExitButton);
    const auto question = WaitForDialog("Exit");
    if (!question) return ::testing::AssertionFailure() << "EXIT asked no question";
    const Area yes = game_layout::kYesOrOkButton;
    if (!WaitUntil([&] {
          return screen.PixelAt(question->id, yes.CentreX(), yes.y) == game_layout::kWhite;
        })) {
      return ::testing::AssertionFailure() << "the question was never drawn";
    }
    Click(question->id, yes);
    return EndsCleanly();
  }

  std::optional<BoardReader> board;
  std::optional<Picture> startCaption;
};

TEST_F(GameStorm, OutlivesTheStormAndStillShufflesAndEndsWithStatusZero) {
  ASSERT_TRUE(StartGame());
  ASSERT_TRUE(RunStorm());
  EXPECT_TRUE(NoChildLeft());
  ASSERT_TRUE(CloseDialogs());
  ASSERT_TRUE(BackToIdle());
  EXPECT_TRUE(StartShuffles());
  EXPECT_TRUE(ExitThroughTheQuestion());
}

}  // namespace
