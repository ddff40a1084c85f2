// The real tessarin binary, driven from outside as a player drives it: started in a scratch
// folder on the private X server, looked at through XGetImage, pressed through XTEST, closed
// the way a window manager closes windows. The external programs it starts are stand-ins that
// only record their command lines.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game/BestResults.h"
#include "game/BoardSolver.h"
#include "game/KeyTable.h"
#include "game/KeysWindowLayout.h"
#include "game/ShortestSolver.h"
#include "support/BoardReader.h"
#include "support/GameLayout.h"
#include "support/ProcessProbe.h"
#include "support/ProgramE2E.h"
#include "support/ProgramProcess.h"
#include "support/PuzzleSolver.h"
#include "support/RemoteScreen.h"
#include "support/Waiting.h"
#include "tessarin/graphics/MyFont.h"
#include "tessarin/graphics/Painter.h"

using namespace tessarin;

namespace {

using fifteen::Board;
using game_layout::Area;
using game_layout::CaptionOf;
using game_layout::kAboutOkButton;
using game_layout::kBlack;
using game_layout::kCream;
using game_layout::kDarkGreen;
using game_layout::kDialogGrey;
using game_layout::kExitButton;
using game_layout::kFewestMovesSecondScore;
using game_layout::kGreen;
using game_layout::kInfoButton;
using game_layout::kLabelGrey;
using game_layout::kLinkBlue;
using game_layout::kMailLink;
using game_layout::kMessageLabel;
using game_layout::kNoButton;
using game_layout::kRed;
using game_layout::kSettingsRowSlides;
using game_layout::kShortestTimeSecondScore;
using game_layout::kStartButton;
using game_layout::kStatsMovesCell;
using game_layout::kStatsOkButton;
using game_layout::kStatsTimeCell;
using game_layout::kTitlePicture;
using game_layout::kWebLink;
using game_layout::kWhite;
using game_layout::kWholeMainWindow;
using game_layout::kYesOrOkButton;
using game_layout::SettingsOkButton;
using game_layout::SettingsSizeRow;
using waiting::WaitUntil;

// Pixels of the colour inside a tile, away from its frame.
int CountInside(const Picture& tile, unsigned long colour) {
  int count = 0;
  for (int y = 2; y < tile.height - 2; ++y) {
    for (int x = 2; x < tile.width - 2; ++x) count += tile.At(x, y) == colour ? 1 : 0;
  }
  return count;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

// The arrow that slides the tile at cell into the empty cell beside it: the direction the
// tile travels.
KeySym ArrowMoving(int cell, int empty) {
  if (empty == cell - 1) return XK_Left;
  if (empty == cell + 1) return XK_Right;
  return empty < cell ? XK_Up : XK_Down;
}

// The lengths the game logged at each H, in order.
std::vector<int> LoggedHintLengths(const std::string& log) {
  std::vector<int> lengths;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    if (StartsWith(line, "Hint: ")) lengths.push_back(std::atoi(line.c_str() + 6));
  }
  return lengths;
}

// Where the last character of a cell's text stands, from the cell's left edge: the text ends
// where that character does.
struct LastCharacter {
  int left = 0;
  int end = 0;
};

// The keys window as the game lays it out on this server, in the font it draws with.
struct KeysWindowOnServer {
  KeysWindowLayout layout;
  std::vector<LastCharacter> lastCharacters;
};

KeysWindowOnServer MeasureKeysWindow() {
  KeysWindowOnServer measured;
  std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display) return measured;
  MyFont font;  // freed before the display closes
  XFontStruct* loaded = font.GetFontStruct(display.get());
  const auto measure = [loaded](const std::string& text) { return FontTextWidth(loaded, text); };
  measured.layout = LayOutKeysWindow(MainWindowKeyRows(), measure,
                                     TextLineHeight(loaded != nullptr ? loaded->ascent : 0));
  for (const KeysCell& cell : measured.layout.cells) {
    const std::string shown = cell.text.substr(0, cell.text.find_last_not_of(' ') + 1);
    const int end = 1 + measure(shown);
    const int last = shown.empty() ? 0 : measure(shown.substr(shown.size() - 1));
    measured.lastCharacters.push_back({end - last, end});
  }
  return measured;
}

// The first and last rows and the last column inside a framed cell's one-pixel frame that
// hold a pixel of the colour; -1 for none.
struct InkRows {
  int top = -1;
  int bottom = -1;
  int right = -1;
};

InkRows InkInside(const Picture& cell, unsigned long colour) {
  InkRows ink;
  for (int y = 1; y < cell.height - 1; ++y) {
    for (int x = 1; x < cell.width - 1; ++x) {
      if (cell.At(x, y) != colour) continue;
      if (ink.top < 0) ink.top = y;
      ink.bottom = y;
      ink.right = std::max(ink.right, x);
    }
  }
  return ink;
}

// Searches of this many nodes take the game's solver a tenth of a second or more (some three
// million a second); about one deal in eight needs them.
constexpr unsigned long long kSlowSearchNodes = 300000;

// The board in the game's own terms (game/PuzzleRules.h), whose empty cell is 16.
::Board GameBoard(const Board& board) {
  ::Board game{};
  for (int cell = 0; cell < fifteen::kCells; ++cell) {
    game[cell] = board[cell] == fifteen::kEmpty ? kEmptyCell : board[cell];
  }
  return game;
}

bool OneSlideApart(const Board& from, const Board& to) {
  for (int cell = 0; cell < fifteen::kCells; ++cell) {
    Board slid = from;
    if (fifteen::Slide(slid, cell) && slid == to) return true;
  }
  return false;
}

// What `tessarin --scores` prints in the folder the game played in.
std::string PrintedScores(const std::string& folder) {
  const std::string command = "cd '" + folder + "' && '" TESSARIN_BINARY "' --scores";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
  }
  return output;
}

class TessarinE2E : public ProgramE2E {
 protected:
  ProgramProcess* Program() override { return &game; }

  // Starts the game and waits until its window shows the ordered board of that side and the
  // buttons.
  ::testing::AssertionResult StartGame(int side = fifteen::kSide) {
    const auto started = StartAndFindWindow(
        "the game",
        [](const WindowFacts& facts) {
          return facts.className == "Tessarin.exe" && StartsWith(facts.name, "Tessarin - ") &&
                 !facts.isDialog;
        },
        mainWindow);
    if (!started) return started;
    board.emplace(screen, mainWindow, side);
    std::string whyNot = "the START caption is not drawn";
    const bool learnt = WaitUntil([&] {
      const auto caption = Grab(mainWindow, CaptionOf(kStartButton));
      if (!caption || caption->Count(kWhite) == 0) return false;
      if (!board->Learn(whyNot)) return false;
      startCaption = *caption;
      return true;
    });
    if (!learnt) return ::testing::AssertionFailure() << "no ordered board: " << whyNot;
    return ::testing::AssertionSuccess();
  }

  std::optional<Picture> Grab(Window window, const Area& area) const {
    return screen.Grab(window, area.x, area.y, area.width, area.height);
  }

  void ClickAt(Window window, const Area& area) const {
    screen.Click(window, area.CentreX(), area.CentreY());
  }

  void PressCell(int cell) const {
    screen.Click(mainWindow, BoardReader::CellCentreX(cell), BoardReader::CellCentreY(cell));
  }

  bool CaptionReadsStart() const {
    return Grab(mainWindow, CaptionOf(kStartButton)) == startCaption;
  }

  // A whole caption other than START; a caption being repainted is plain red for a moment.
  bool CaptionReadsOtherThanStart() const {
    const auto caption = Grab(mainWindow, CaptionOf(kStartButton));
    return caption && *caption != startCaption && caption->Count(kWhite) > 0;
  }

  // Clicks START and reads the board it dealt. The caption changes after every tile is
  // drawn, so the board read after it is complete.
  ::testing::AssertionResult DealABoard(Board& dealt) {
    ClickAt(mainWindow, kStartButton);
    if (!WaitUntil([this] { return CaptionReadsOtherThanStart(); })) {
      return ::testing::AssertionFailure() << "the START button never changed its caption";
    }
    const auto read = board->Read();
    if (!read) return ::testing::AssertionFailure() << "a dealt tile looks like no known tile";
    dealt = *read;
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult StartAndDeal(Board& dealt) {
    const auto started = StartGame();
    return started ? DealABoard(dealt) : started;
  }

  // Starts the game, deals and solves the dealt board; the main window then takes the keys.
  ::testing::AssertionResult StartDealAndSolve(Board& model, std::vector<int>& solution) {
    const auto dealt = StartAndDeal(model);
    if (!dealt) return dealt;
    screen.Focus(mainWindow);
    const auto presses = fifteen::Solve(model);
    if (!presses || presses->empty()) {
      return ::testing::AssertionFailure() << "no solution for " << DescribeBoard(model);
    }
    solution = *presses;
    return ::testing::AssertionSuccess();
  }

  // Deals until the game's search for the board is slow: a tenth of a second or more, so that
  // a question asked at once after H opens before the answer comes. The game goes back to idle
  // between deals; shortest is the length of the dealt board's shortest solution.
  ::testing::AssertionResult DealASlowBoard(Board& dealt, int& shortest) {
    for (int deal = 0; deal < 200; ++deal) {
      if (!CaptionReadsStart()) {
        ClickAt(mainWindow, kStartButton);
        if (!WaitUntil([this] { return CaptionReadsStart(); })) {
          return ::testing::AssertionFailure() << "CANCEL did not end the game";
        }
      }
      const auto dealtOne = DealABoard(dealt);
      if (!dealtOne) return dealtOne;
      const ShortestSolution solution = SolveShortest(GameBoard(dealt));
      if (solution.nodes >= kSlowSearchNodes) {
        shortest = solution.Length();
        return ::testing::AssertionSuccess();
      }
    }
    return ::testing::AssertionFailure() << "no slow board in 200 deals";
  }

  // Plays every move of the solution but the last, the one that orders the board.
  ::testing::AssertionResult SlideAllButTheLast(Board& model, const std::vector<int>& solution,
                                                bool byArrow = false) {
    for (std::size_t i = 0; i + 1 < solution.size(); ++i) {
      auto slid = Slide(model, solution[i], byArrow);
      if (!slid) return slid << " (move " << i << ")";
    }
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult WaitForBoard(const Board& expected) const {
    std::optional<Board> seen;
    if (WaitUntil([&] { return (seen = board->Read()) == expected; })) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "expected " << DescribeBoard(expected) << "but the screen shows "
           << (seen ? DescribeBoard(*seen) : std::string("cells that match no tile"));
  }

  // Presses the cell, or types the arrow that moves its tile, and waits until the tile has
  // slid into the empty cell.
  ::testing::AssertionResult Slide(Board& model, int cell, bool byArrow = false) const {
    Board expected = model;
    if (!fifteen::Slide(expected, cell)) {
      return ::testing::AssertionFailure() << "cell " << cell << " cannot slide";
    }
    const int formerEmpty = fifteen::EmptyCell(model);
    if (byArrow) {
      screen.TypeKey(ArrowMoving(cell, formerEmpty));
    } else {
      PressCell(cell);
    }
    const bool slid = WaitUntil([&] {
      return board->Shows(cell, fifteen::kEmpty) && board->Shows(formerEmpty, model[cell]);
    });
    if (!slid) {
      return ::testing::AssertionFailure() << "pressing cell " << cell << " of "
                                           << DescribeBoard(model) << "did not slide its tile";
    }
    model = expected;
    return ::testing::AssertionSuccess();
  }

  std::optional<WindowFacts> WaitForDialog(const std::string& title) const {
    return screen.WaitForWindow(
        [&title](const WindowFacts& facts) { return facts.isDialog && facts.name == title; });
  }

  int CountViewable(const std::string& title) const {
    int count = 0;
    for (Window window : screen.TopLevelWindows()) {
      const auto facts = screen.Describe(window);
      if (facts && facts->viewable && facts->name == title) ++count;
    }
    return count;
  }

  // The message box is drawn: its grey label and the bevel of its right-hand button.
  bool WaitUntilMessageBoxDrawn(Window box) const {
    return WaitUntil([&] {
      return screen.PixelAt(box, kMessageLabel.x + 2, kMessageLabel.y + 2) == kLabelGrey &&
             screen.PixelAt(box, kYesOrOkButton.CentreX(), kYesOrOkButton.y) == kWhite;
    });
  }

  bool WaitUntilAboutDrawn(Window about) const {
    return WaitUntil([&] {
      const auto link = Grab(about, kWebLink);
      return link && link->Count(kLinkBlue) > 0 &&
             screen.PixelAt(about, kAboutOkButton.CentreX(), kAboutOkButton.y) == kWhite;
    });
  }

  std::optional<WindowFacts> AskToExit() const {
    ClickAt(mainWindow, kExitButton);
    const auto question = WaitForDialog("Exit");
    if (question && !WaitUntilMessageBoxDrawn(question->id)) return std::nullopt;
    return question;
  }

  std::optional<WindowFacts> OpenAbout() const {
    ClickAt(mainWindow, kInfoButton);
    const auto about = WaitForDialog("Info...");
    if (about && !WaitUntilAboutDrawn(about->id)) return std::nullopt;
    return about;
  }

  // The dialog's size, and that it stands centred over the main window.
  void ExpectCentredOverTheMainWindow(const WindowFacts& dialog, int width, int height) const {
    EXPECT_EQ(dialog.width, width);
    EXPECT_EQ(dialog.height, height);
    const auto main = screen.Describe(mainWindow);
    ASSERT_TRUE(main.has_value());
    EXPECT_NEAR(dialog.x - main->x, (800 - width) / 2, 2) << "centred over the main window";
    EXPECT_NEAR(dialog.y - main->y, (600 - height) / 2, 2);
  }

  // No part of the window lies over the area of the main window.
  bool LeavesClear(const WindowFacts& over, const Area& area) const {
    const XPoint origin = screen.Translate(over.id, mainWindow, 0, 0);
    // One pixel of window border on each side.
    const int left = origin.x - 1, top = origin.y - 1;
    const int right = origin.x + over.width + 1, bottom = origin.y + over.height + 1;
    return area.x + area.width <= left || area.x >= right || area.y + area.height <= top ||
           area.y >= bottom;
  }

  // Cells of the main window that no part of the window lies over.
  std::vector<bool> CellsClearOf(const WindowFacts& over) const {
    std::vector<bool> clear(fifteen::kCells);
    for (int cell = 0; cell < fifteen::kCells; ++cell) {
      clear[cell] = LeavesClear(over, {BoardReader::CellX(cell), BoardReader::CellY(cell),
                                       BoardReader::kCellWidth, BoardReader::kCellHeight});
    }
    return clear;
  }

  // The dashed frame of the focused button, by its top line: three rows below the bevel, in
  // the caption's colour.
  bool ShowsFocusFrame(const Area& button, unsigned long ink) const {
    const auto line = screen.Grab(mainWindow, button.x + 4, button.y + 3, button.width - 8, 1);
    return line && line->Count(ink) > 0;
  }

  Board OnlyCells(const Board& full, const std::vector<bool>& wanted) const {
    Board some = full;
    for (int cell = 0; cell < fifteen::kCells; ++cell) {
      if (!wanted[cell]) some[cell] = -1;
    }
    return some;
  }

  // Every child the game started has ended and has been collected.
  ::testing::AssertionResult NoChildLeft() const { return game.NoChildLeft(); }

  // Leaves through EXIT and YES: the game must end with status 0 and leave nothing running.
  ::testing::AssertionResult ExitThroughTheQuestion() {
    const auto question = AskToExit();
    if (!question) return ::testing::AssertionFailure() << "EXIT asked no question";
    ClickAt(question->id, kYesOrOkButton);
    return EndsWithStatusZero();
  }

  ::testing::AssertionResult EndsWithStatusZero() {
    const auto status = game.WaitForExit();
    if (!status) return ::testing::AssertionFailure() << "the game did not end";
    if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
      return ::testing::AssertionFailure() << "the game ended with wait status " << *status;
    }
    return game.NothingLeftRunning();
  }

  ProgramProcess game{TESSARIN_BINARY, TESSARIN_SOURCE_DIR};
  Window mainWindow = 0;
  std::optional<BoardReader> board;
  Picture startCaption;
};

TEST_F(TessarinE2E, StartUpMapsOneFixedSizeWindowAndClearsTheLastLog) {
  game.WriteWorkFile("log.txt", "a line from an earlier run\n");
  ASSERT_TRUE(StartGame());

  const auto facts = screen.Describe(mainWindow);
  ASSERT_TRUE(facts.has_value());
  EXPECT_TRUE(facts->viewable);
  EXPECT_EQ(facts->width, 800);
  EXPECT_EQ(facts->height, 600);
  EXPECT_EQ(facts->instanceName, "Tessarin.exe");
  EXPECT_EQ(facts->className, "Tessarin.exe");
  EXPECT_TRUE(StartsWith(facts->name, "Tessarin - ")) << facts->name;
  EXPECT_GT(facts->name.size(), std::string("Tessarin - ").size());
  EXPECT_FALSE(facts->hasWindowType) << "the main window is not a dialog";

  const auto hints = screen.NormalHints(mainWindow);
  ASSERT_TRUE(hints.has_value());
  EXPECT_TRUE(hints->flags & PMinSize);
  EXPECT_TRUE(hints->flags & PMaxSize);
  EXPECT_EQ(hints->min_width, 800);
  EXPECT_EQ(hints->max_width, 800);
  EXPECT_EQ(hints->min_height, 600);
  EXPECT_EQ(hints->max_height, 600);
  const auto protocols = screen.Protocols(mainWindow);
  EXPECT_NE(std::find(protocols.begin(), protocols.end(), "WM_DELETE_WINDOW"), protocols.end());

  const auto log = game.ReadWorkFile("log.txt");
  EXPECT_EQ(log.value_or("").find("earlier run"), std::string::npos) << log.value_or("");
  EXPECT_TRUE(game.IsRunning());
}

TEST_F(TessarinE2E, IdleWindowShowsTheOrderedBoardTheButtonsThePictureAndTheFlag) {
  ASSERT_TRUE(StartGame());
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {5, 5}, {795, 5}, {10, 590}, {395, 300}, {600, 400}, {108, 93}, {109, 93}, {64, 162}}) {
    EXPECT_EQ(screen.PixelAt(mainWindow, x, y), kGreen) << "background at " << x << "," << y;
  }

  for (int cell = 0; cell < fifteen::kCells; ++cell) {
    const auto tile = screen.Grab(mainWindow, BoardReader::CellX(cell), BoardReader::CellY(cell),
                                  BoardReader::kCellWidth, BoardReader::kCellHeight);
    ASSERT_TRUE(tile.has_value());
    const bool empty = cell == fifteen::kCells - 1;
    const unsigned long lowerRight = empty ? kWhite : kBlack;
    for (int x = 1; x < BoardReader::kCellWidth - 1; ++x) {
      EXPECT_EQ(tile->At(x, 0), kBlack) << "top frame of cell " << cell << " at " << x;
      EXPECT_EQ(tile->At(x, BoardReader::kCellHeight - 1), lowerRight)
          << "bottom frame of cell " << cell << " at " << x;
    }
    for (int y = 1; y < BoardReader::kCellHeight - 1; ++y) {
      EXPECT_EQ(tile->At(0, y), kBlack) << "left frame of cell " << cell << " at " << y;
      EXPECT_EQ(tile->At(BoardReader::kCellWidth - 1, y), lowerRight)
          << "right frame of cell " << cell << " at " << y;
    }
    EXPECT_EQ(tile->At(4, 4), empty ? kLabelGrey : kWhite) << "cell " << cell;
    EXPECT_EQ(CountInside(*tile, kBlack) > 0, !empty) << "number shown in cell " << cell;
  }

  const auto title = Grab(mainWindow, kTitlePicture);
  ASSERT_TRUE(title.has_value());
  EXPECT_GT(title->CountOtherThan(kGreen), 0) << "no title picture";
  EXPECT_GT(title->CountOtherThan(title->At(0, 0)), 0) << "the title picture is one colour";
  for (const auto& [x, y] :
       std::vector<std::pair<int, int>>{{399, 75}, {728, 75}, {560, 24}, {560, 125}}) {
    EXPECT_EQ(screen.PixelAt(mainWindow, x, y), kGreen)
        << "around the picture at " << x << "," << y;
  }

  const std::vector<std::pair<Area, unsigned long>> buttons = {
      {kInfoButton, kCream}, {kStartButton, kRed}, {kExitButton, kCream}};
  for (const auto& [button, colour] : buttons) {
    EXPECT_EQ(screen.PixelAt(mainWindow, button.x + 2, button.y + 2), colour);
    EXPECT_EQ(screen.PixelAt(mainWindow, button.CentreX(), button.y), kWhite) << "raised top";
    EXPECT_EQ(screen.PixelAt(mainWindow, button.x, button.CentreY()), kWhite) << "raised left";
    EXPECT_EQ(screen.PixelAt(mainWindow, button.x + button.width - 1, button.CentreY()), kBlack);
    EXPECT_EQ(screen.PixelAt(mainWindow, button.CentreX(), button.y + button.height - 1), kBlack);
    const auto caption = Grab(mainWindow, CaptionOf(button));
    ASSERT_TRUE(caption.has_value());
    EXPECT_GT(caption->Count(colour == kRed ? kWhite : kBlack), 0) << "no caption";
  }

  const std::vector<std::pair<int, unsigned long>> flag = {
      {730, kDarkGreen}, {750, kWhite}, {770, kRed}};
  for (const auto& [x, colour] : flag) {
    EXPECT_EQ(screen.PixelAt(mainWindow, x, 580), colour);
    EXPECT_EQ(screen.PixelAt(mainWindow, x + 18, 593), colour);
    EXPECT_EQ(screen.PixelAt(mainWindow, x + 9, 579), kGreen);
    EXPECT_EQ(screen.PixelAt(mainWindow, x + 9, 594), kGreen);
  }
  EXPECT_EQ(screen.PixelAt(mainWindow, 729, 586), kGreen);
  EXPECT_EQ(screen.PixelAt(mainWindow, 790, 586), kGreen);
}

TEST_F(TessarinE2E, PressingTilesBeforeTheFirstStartMovesNothingAndTabLeadsOnToAButton) {
  ASSERT_TRUE(StartGame());
  screen.Focus(mainWindow);
  PressCell(14);
  PressCell(11);
  // Tab leads from the tile pressed last to INFO, which Return presses: the About window opens
  // only after the presses before it were handled.
  screen.TypeKey(XK_Tab);
  screen.TypeKey(XK_Return);
  const auto about = WaitForDialog("Info...");
  ASSERT_TRUE(about.has_value()) << "Tab after a tile reached no button";
  ASSERT_TRUE(WaitUntilAboutDrawn(about->id));
  const std::vector<bool> clear = CellsClearOf(*about);
  ASSERT_TRUE(clear[14] && clear[15]);
  EXPECT_EQ(board->ReadSome(clear), OnlyCells(fifteen::OrderedBoard(), clear));
  screen.Focus(about->id);
  screen.TypeKey(XK_Escape);
  ASSERT_TRUE(screen.WaitUntilGone(about->id));
  EXPECT_TRUE(WaitForBoard(fifteen::OrderedBoard()));
  EXPECT_TRUE(CaptionReadsStart());
}

TEST_F(TessarinE2E, StartDealsASolvableBoardAndCancelShowsTheOrderedOneAgain) {
  Board dealt{};
  ASSERT_TRUE(StartAndDeal(dealt));
  EXPECT_TRUE(fifteen::HoldsEveryTileOnce(dealt)) << DescribeBoard(dealt);
  EXPECT_FALSE(fifteen::IsOrdered(dealt));
  EXPECT_EQ(fifteen::EmptyCell(dealt), fifteen::kCells - 1) << DescribeBoard(dealt);
  EXPECT_EQ(fifteen::CountInversions(dealt) % 2, 0) << DescribeBoard(dealt);
  EXPECT_TRUE(fifteen::IsSolvable(dealt));

  ClickAt(mainWindow, kStartButton);
  ASSERT_TRUE(WaitUntil([this] { return CaptionReadsStart(); })) << "CANCEL did not end the game";
  EXPECT_TRUE(WaitForBoard(fifteen::OrderedBoard()));

  Board again{};
  ASSERT_TRUE(DealABoard(again));
  EXPECT_TRUE(fifteen::IsSolvable(again)) << DescribeBoard(again);
  EXPECT_FALSE(fifteen::IsOrdered(again));
}

TEST_F(TessarinE2E, APressSlidesOnlyATileNextToTheEmptyCell) {
  // Each step slides the empty cell somewhere, presses cells that must not move anything, and
  // slides a neighbour: that slide shows that the presses were handled and changed nothing.
  struct Step {
    std::vector<int> slidesFirst;
    int empty;
    std::vector<int> refusedPresses;
    int slideAfter;
  };
  const std::vector<Step> steps = {
      // Diagonal, two away, the empty cell itself.
      {{}, 15, {10, 13, 7, 15}, 14},
      // The ends of two rows touch in memory, not on the board.
      {{13, 12}, 12, {11}, 8},
      {{9, 10, 11}, 11, {12}, 15},
  };
  Board model{};
  ASSERT_TRUE(StartAndDeal(model));
  for (const Step& step : steps) {
    for (int cell : step.slidesFirst) ASSERT_TRUE(Slide(model, cell));
    ASSERT_EQ(fifteen::EmptyCell(model), step.empty);
    for (int cell : step.refusedPresses) PressCell(cell);
    ASSERT_TRUE(Slide(model, step.slideAfter));
    EXPECT_TRUE(WaitForBoard(model));
  }
  EXPECT_TRUE(CaptionReadsOtherThanStart());
}

TEST_F(TessarinE2E, PlayingTheDealtBoardToTheEndCongratulatesAndReturnsToIdle) {
  Board model{};
  std::vector<int> presses;
  ASSERT_TRUE(StartDealAndSolve(model, presses));
  ASSERT_TRUE(SlideAllButTheLast(model, presses));
  // The last slide orders the board: the message box may cover its cells at once.
  PressCell(presses.back());
  const auto message = WaitForDialog("Game");
  ASSERT_TRUE(message.has_value()) << "no message after the last move";
  EXPECT_EQ(message->width, 250);
  EXPECT_EQ(message->height, 150);
  ASSERT_TRUE(WaitUntilMessageBoxDrawn(message->id));
  const auto label = screen.Grab(message->id, kMessageLabel.x + 1, kMessageLabel.y + 1,
                                 kMessageLabel.width - 2, kMessageLabel.height - 2);
  ASSERT_TRUE(label.has_value());
  EXPECT_GT(label->Count(kBlack), 50) << "the message shows no text";
  EXPECT_EQ(label->Count(kLabelGrey) + label->Count(kBlack), label->width * label->height);
  EXPECT_EQ(screen.PixelAt(message->id, kNoButton.CentreX(), kNoButton.CentreY()), kDialogGrey)
      << "a plain message has only the OK button";
  EXPECT_EQ(screen.PixelAt(message->id, kNoButton.x, kNoButton.y), kDialogGrey);

  // The game is back in idle while the message is still up, its win recorded in both tables.
  EXPECT_TRUE(WaitUntil([this] { return CaptionReadsStart(); }));
  const std::string scores = PrintedScores(game.WorkDir()), name = LoginPlayerName() + "\n";
  const std::string moves = std::to_string(presses.size());
  EXPECT_EQ(scores.find("   1. " + std::string(6 - moves.size(), ' ') + moves + "  " + name), 14u)
      << "not the first line of the moves table:\n"
      << scores;
  EXPECT_NE(scores.find(" " + name, scores.find("Shortest time")), std::string::npos) << scores;
  const std::vector<bool> clear = CellsClearOf(*message);
  EXPECT_EQ(board->ReadSome(clear), OnlyCells(fifteen::OrderedBoard(), clear));

  screen.TypeKey(XK_Return);
  ASSERT_TRUE(screen.WaitUntilGone(message->id)) << "Return did not close the message";
  EXPECT_TRUE(WaitForBoard(fifteen::OrderedBoard()));
  Board next{};
  ASSERT_TRUE(DealABoard(next)) << "the main window no longer answers after the message";
  EXPECT_TRUE(fifteen::IsSolvable(next));
}

TEST_F(TessarinE2E, TheArrowKeysAloneSolveTheDealtBoardAndBeepWhereNoTileCanMove) {
  Board model{};
  std::vector<int> moves;
  ASSERT_TRUE(StartDealAndSolve(model, moves));
  ASSERT_EQ(fifteen::EmptyCell(model), 15);
  // Nothing lies right of or below the empty corner.
  screen.TypeKey(XK_Left);
  screen.TypeKey(XK_w);
  ASSERT_TRUE(game.WaitForCalls("aplay", 2)) << "a key with no tile to move did not beep";
  ASSERT_TRUE(SlideAllButTheLast(model, moves, true));
  EXPECT_EQ(game.CallsOf("aplay").size(), 2u);
  screen.TypeKey(ArrowMoving(moves.back(), fifteen::EmptyCell(model)));
  ASSERT_TRUE(WaitForDialog("Game").has_value()) << "no message after the last key";
  EXPECT_TRUE(WaitUntil([this] { return CaptionReadsStart(); }));
}

TEST_F(TessarinE2E, ExitAnsweredNoOrClosedLeavesTheGameAsItWas) {
  Board model{};
  ASSERT_TRUE(StartAndDeal(model));

  const auto question = AskToExit();
  ASSERT_TRUE(question.has_value());
  EXPECT_TRUE(question->isDialog);
  ExpectCentredOverTheMainWindow(*question, 250, 150);
  EXPECT_EQ(screen.PixelAt(question->id, kNoButton.CentreX(), kNoButton.y), kWhite)
      << "a question has a NO button";
  const auto label = Grab(question->id, kMessageLabel);
  ASSERT_TRUE(label.has_value());
  EXPECT_GT(label->Count(kBlack), 50);

  ClickAt(question->id, kNoButton);
  ASSERT_TRUE(screen.WaitUntilGone(question->id));
  EXPECT_TRUE(game.IsRunning());
  EXPECT_TRUE(WaitForBoard(model));
  EXPECT_TRUE(CaptionReadsOtherThanStart());

  const auto second = AskToExit();
  ASSERT_TRUE(second.has_value());
  screen.SendCloseRequest(second->id);
  ASSERT_TRUE(screen.WaitUntilGone(second->id)) << "the question did not close";
  EXPECT_TRUE(game.IsRunning());
  EXPECT_TRUE(WaitForBoard(model));
  EXPECT_TRUE(CaptionReadsOtherThanStart());
  EXPECT_TRUE(Slide(model, 14)) << "the main window no longer answers";
}

TEST_F(TessarinE2E, ExitAnsweredYesEndsTheProgramWithStatusZero) {
  ASSERT_TRUE(StartGame());
  const auto question = AskToExit();
  ASSERT_TRUE(question.has_value());
  ClickAt(question->id, kYesOrOkButton);
  EXPECT_TRUE(EndsWithStatusZero());
  EXPECT_TRUE(screen.WaitUntilGone(mainWindow));
}

TEST_F(TessarinE2E, ClosingTheMainWindowAsksTheSameQuestionFirstAndReturnAnswersYes) {
  ASSERT_TRUE(StartGame());
  screen.Focus(mainWindow);
  screen.SendCloseRequest(mainWindow);
  const auto question = WaitForDialog("Exit");
  ASSERT_TRUE(question.has_value()) << "closing the window asked nothing";
  ASSERT_TRUE(WaitUntilMessageBoxDrawn(question->id));
  EXPECT_TRUE(game.IsRunning());
  EXPECT_TRUE(screen.Describe(mainWindow).value_or(WindowFacts{}).viewable);

  screen.TypeKey(XK_Return);
  EXPECT_TRUE(EndsWithStatusZero());
}

TEST_F(TessarinE2E, AboutWindowLinksStartTheBrowserAndTheMailComposer) {
  ASSERT_TRUE(StartGame());
  const auto about = OpenAbout();
  ASSERT_TRUE(about.has_value());
  ExpectCentredOverTheMainWindow(*about, 600, 210);
  EXPECT_EQ(screen.PixelAt(about->id, 3, 3), kDialogGrey);

  screen.Click(about->id, kWebLink.x + 20, kWebLink.CentreY());
  ASSERT_TRUE(game.WaitForCalls("firefox", 1)) << "the web link started no browser";
  const std::string webAddress = game.CallsOf("firefox").front();
  EXPECT_TRUE(StartsWith(webAddress, "https://www.")) << webAddress;
  EXPECT_EQ(webAddress.find(' '), std::string::npos) << webAddress;

  EXPECT_TRUE(screen.Describe(about->id).value_or(WindowFacts{}).viewable);
  screen.Click(about->id, kMailLink.x + 20, kMailLink.CentreY());
  ASSERT_TRUE(game.WaitForCalls("thunderbird", 1)) << "the mail link started no composer";
  const std::string compose = game.CallsOf("thunderbird").front();
  const std::string prefix = "-compose to=";
  ASSERT_TRUE(StartsWith(compose, prefix)) << compose;
  const std::string mailAddress = compose.substr(prefix.size());
  const std::string domain = webAddress.substr(std::string("https://www.").size());
  ASSERT_GT(mailAddress.size(), domain.size() + 1) << compose;
  EXPECT_EQ(mailAddress.substr(mailAddress.size() - domain.size() - 1), "@" + domain) << compose;
  EXPECT_GT(mailAddress.find('@'), 0u) << compose;

  EXPECT_TRUE(screen.Describe(about->id).value_or(WindowFacts{}).viewable);
  EXPECT_EQ(game.CallsOf("firefox").size(), 1u);
  EXPECT_EQ(game.CallsOf("thunderbird").size(), 1u);

  screen.Focus(about->id);
  screen.TypeKey(XK_Escape);
  ASSERT_TRUE(screen.WaitUntilGone(about->id));
  EXPECT_TRUE(NoChildLeft());
  EXPECT_TRUE(ExitThroughTheQuestion());
}

TEST_F(TessarinE2E, AboutWindowClosesWithOkEnterEscapeAndDeleteButNoOtherKey) {
  ASSERT_TRUE(StartGame());
  screen.Focus(mainWindow);
  const auto first = OpenAbout();
  ASSERT_TRUE(first.has_value());
  // The window takes the keyboard itself; the pointer rests outside it.
  screen.MovePointer(mainWindow, 5, 5);
  screen.TypeKey(XK_a);
  screen.TypeKey(XK_space);
  // The link is pressed after the keys were handled: the window must still be there.
  screen.Click(first->id, kWebLink.x + 20, kWebLink.CentreY());
  ASSERT_TRUE(game.WaitForCalls("firefox", 1));
  EXPECT_TRUE(screen.Describe(first->id).value_or(WindowFacts{}).viewable);
  screen.TypeKey(XK_Return);
  EXPECT_TRUE(screen.WaitUntilGone(first->id)) << "Enter did not close the About window";
  // No other About window came in its place to block the main window: START still deals.
  Board dealt{};
  ASSERT_TRUE(DealABoard(dealt)) << "Return left the main window blocked";
  ClickAt(mainWindow, kStartButton);
  ASSERT_TRUE(WaitUntil([this] { return CaptionReadsStart(); }));
  EXPECT_EQ(CountViewable("Info..."), 0);

  for (KeySym key : {XK_Escape, XK_Delete}) {
    const auto about = OpenAbout();
    ASSERT_TRUE(about.has_value());
    EXPECT_EQ(CountViewable("Info..."), 1);
    screen.Focus(about->id);
    screen.TypeKey(key);
    EXPECT_TRUE(screen.WaitUntilGone(about->id)) << "key " << XKeysymToString(key);
  }

  const auto last = OpenAbout();
  ASSERT_TRUE(last.has_value());
  ClickAt(last->id, kAboutOkButton);
  EXPECT_TRUE(screen.WaitUntilGone(last->id)) << "OK did not close the About window";
  EXPECT_EQ(CountViewable("Info..."), 0);
  EXPECT_TRUE(DealABoard(dealt)) << "the main window no longer answers";
}

TEST_F(TessarinE2E, PressesOnTheMainWindowDuringTheQuestionOnlyBeepAndRaiseIt) {
  Board model{};
  ASSERT_TRUE(StartAndDeal(model));
  const auto question = AskToExit();
  ASSERT_TRUE(question.has_value());

  const std::vector<std::pair<int, int>> presses = {
      {BoardReader::CellCentreX(14), BoardReader::CellCentreY(14)},
      {kStartButton.CentreX(), kStartButton.CentreY()}};
  for (std::size_t i = 0; i < presses.size(); ++i) {
    screen.Raise(mainWindow);
    ASSERT_TRUE(screen.IsAbove(mainWindow, question->id));
    screen.Click(mainWindow, presses[i].first, presses[i].second);
    ASSERT_TRUE(game.WaitForCalls("aplay", i + 1)) << "press " << i << " did not beep";
    EXPECT_TRUE(WaitUntil([&] { return screen.IsAbove(question->id, mainWindow); }))
        << "press " << i << " did not raise the question";
  }
  EXPECT_EQ(game.CallsOf("aplay"), (std::vector<std::string>{"Data/beep.wav", "Data/beep.wav"}));
  EXPECT_TRUE(CaptionReadsOtherThanStart());

  ClickAt(question->id, kNoButton);
  ASSERT_TRUE(screen.WaitUntilGone(question->id));
  EXPECT_TRUE(WaitForBoard(model)) << "a press during the question moved a tile";
  EXPECT_TRUE(CaptionReadsOtherThanStart());
  EXPECT_TRUE(NoChildLeft());
  EXPECT_TRUE(ExitThroughTheQuestion());
}

TEST_F(TessarinE2E, PressesOnTheMainWindowDuringTheAboutWindowOnlyBeepAndRaiseIt) {
  Board model{};
  ASSERT_TRUE(StartAndDeal(model));
  const auto about = OpenAbout();
  ASSERT_TRUE(about.has_value());

  screen.Raise(mainWindow);
  ASSERT_TRUE(screen.IsAbove(mainWindow, about->id));
  PressCell(14);
  ASSERT_TRUE(game.WaitForCalls("aplay", 1)) << "the press did not beep";
  EXPECT_EQ(game.CallsOf("aplay").front(), "Data/beep.wav");
  EXPECT_TRUE(WaitUntil([&] { return screen.IsAbove(about->id, mainWindow); }))
      << "the press did not raise the About window";

  screen.Focus(about->id);
  screen.TypeKey(XK_Escape);
  ASSERT_TRUE(screen.WaitUntilGone(about->id));
  EXPECT_TRUE(WaitForBoard(model)) << "a press during the About window moved a tile";
  EXPECT_TRUE(NoChildLeft());
  EXPECT_TRUE(ExitThroughTheQuestion());
}

TEST_F(TessarinE2E, WithoutTheSoundFileABlockedPressOnlyRaisesTheDialog) {
  game.RemoveBeepFile();
  ASSERT_TRUE(StartGame());
  const auto question = AskToExit();
  ASSERT_TRUE(question.has_value());
  screen.Raise(mainWindow);
  ASSERT_TRUE(screen.IsAbove(mainWindow, question->id));
  PressCell(0);
  ASSERT_TRUE(WaitUntil([&] { return screen.IsAbove(question->id, mainWindow); }));
  EXPECT_TRUE(NoChildLeft());
  EXPECT_TRUE(game.CallsOf("aplay").empty()) << "it beeped without Data/beep.wav";
  ClickAt(question->id, kYesOrOkButton);
  EXPECT_TRUE(EndsWithStatusZero());
}

class CompanionWindowsE2E : public TessarinE2E {
 protected:
  // Types key to the main window and waits for the window of that title to be drawn.
  std::optional<WindowFacts> OpenByKey(KeySym key, const std::string& title) const {
    screen.Focus(mainWindow);
    screen.TypeKey(key);
    const auto window = WaitForDialog(title);
    if (window && !WaitUntil([&] { return screen.PixelAt(window->id, 1, 1) != 0; })) return {};
    return window;
  }

  // The window belongs to this game, stays over its main window and stands beside it, over
  // none of its tiles and buttons.
  void ExpectCompanionOfMainWindow(const WindowFacts& window) const {
    EXPECT_EQ(window.className, "Tessarin.exe");
    EXPECT_EQ(screen.TransientFor(window.id), mainWindow);
    EXPECT_EQ(screen.Cardinals(window.id, "_NET_WM_PID"),
              (std::vector<unsigned long>{static_cast<unsigned long>(game.Pid())}));
    EXPECT_EQ(CellsClearOf(window), std::vector<bool>(fifteen::kCells, true)) << window.name;
    for (const Area& button : {kInfoButton, kStartButton, kExitButton}) {
      EXPECT_TRUE(LeavesClear(window, button)) << window.name << " over a button at " << button.y;
    }
  }

  // A grab of the moves figure that differs from every earlier one: the figure has changed.
  ::testing::AssertionResult WaitForNewFigure(Window stats, std::vector<Picture>& seen) const {
    std::optional<Picture> now;
    const bool changed = WaitUntil([&] {
      now = Grab(stats, kStatsMovesCell);
      return now && now->Count(kBlack) > 0 &&
             std::find(seen.begin(), seen.end(), *now) == seen.end();
    });
    if (!changed) return ::testing::AssertionFailure() << "the moves figure did not change";
    seen.push_back(*now);
    return ::testing::AssertionSuccess();
  }

  bool MainWindowShows(const Picture& expected) const {
    return WaitUntil([&] { return Grab(mainWindow, kWholeMainWindow) == expected; });
  }
};

TEST_F(CompanionWindowsE2E, StatisticsWindowFollowsTheGameLeavesTheMainWindowFreeAndF2RaisesIt) {
  const std::string table = std::string("Data/") + kMovesTableName;
  const std::string folder = game.WorkPath(table);
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  ASSERT_EQ(mkdir((folder + "/Score").c_str(), 0700), 0);
  game.WriteWorkFile(table + "/Score/Classifica.txt", "00000042 Ada\n00000057 Bruno\n");
  const std::string timeTable = std::string("Data/") + kTimeTableName;
  ASSERT_EQ(mkdir(game.WorkPath(timeTable).c_str(), 0700), 0);
  ASSERT_EQ(mkdir(game.WorkPath(timeTable + "/Score").c_str(), 0700), 0);
  game.WriteWorkFile(timeTable + "/Score/Classifica.txt", "\nnot a score\n");
  ASSERT_TRUE(StartGame());
  const auto idle = Grab(mainWindow, kWholeMainWindow);
  ASSERT_TRUE(idle.has_value());

  auto stats = OpenByKey(XK_F2, "Statistics");
  ASSERT_TRUE(stats.has_value()) << "F2 opened no statistics window";
  ExpectCompanionOfMainWindow(*stats);
  // The fewest-moves table holds two results; the shortest-time one only lines that are no
  // score, which show as none.
  EXPECT_TRUE(WaitUntil([&] {
    const auto score = Grab(stats->id, kFewestMovesSecondScore);
    return score && score->Count(kBlack) > 0;
  })) << "the second best result is not shown";
  EXPECT_EQ(Grab(stats->id, kShortestTimeSecondScore)->Count(kBlack), 0);
  std::vector<Picture> figures;
  ASSERT_TRUE(WaitForNewFigure(stats->id, figures)) << "no figure while the board is idle";
  screen.Focus(stats->id);
  screen.TypeKey(XK_Escape);
  ASSERT_TRUE(screen.WaitUntilGone(stats->id)) << "Escape did not close the window";
  EXPECT_TRUE(MainWindowShows(*idle)) << "the main window does not look as before F2";

  // The main window still answers while the statistics window is open.
  stats = OpenByKey(XK_F2, "Statistics");
  ASSERT_TRUE(stats.has_value()) << "F2 did not open the window again";
  Board model{};
  screen.Raise(mainWindow);
  ASSERT_TRUE(DealABoard(model)) << "the statistics window blocks the main window";
  const int gap = fifteen::EmptyCell(model);
  const int beside = gap % 4 > 0 ? gap - 1 : gap + 1;
  for (int cell : {-1, beside, gap}) {
    if (cell >= 0) {
      screen.Raise(mainWindow);
      screen.Focus(mainWindow);
      ASSERT_TRUE(Slide(model, cell, true));
    }
    // Each F2 raises the one open window rather than opening another.
    ASSERT_TRUE(screen.IsAbove(mainWindow, stats->id));
    screen.Focus(mainWindow);
    screen.TypeKey(XK_F2);
    ASSERT_TRUE(WaitUntil([&] { return screen.IsAbove(stats->id, mainWindow); }));
    EXPECT_EQ(CountViewable("Statistics"), 1);
    EXPECT_TRUE(WaitForNewFigure(stats->id, figures)) << "after the move into cell " << cell;
  }
  // The digits stand inside their frames, a row clear of them above and below.
  for (const Area& figure : {kStatsMovesCell, kStatsTimeCell}) {
    const auto digits = Grab(stats->id, figure);
    ASSERT_TRUE(digits.has_value());
    const InkRows ink = InkInside(*digits, kBlack);
    EXPECT_GE(ink.top, 2) << "figure at x " << figure.x;
    EXPECT_LE(ink.bottom, figure.height - 3) << "figure at x " << figure.x;
  }

  ClickAt(stats->id, kStatsOkButton);
  EXPECT_TRUE(screen.WaitUntilGone(stats->id)) << "OK did not close the window";
  EXPECT_TRUE(Slide(model, beside, true)) << "the main window lost the keyboard";
  // An open statistics window goes with the program.
  ASSERT_TRUE(OpenByKey(XK_F2, "Statistics").has_value());
  screen.Raise(mainWindow);
  EXPECT_TRUE(ExitThroughTheQuestion());
}

// Every cell of the table shows its whole text on one line: its last character is drawn where
// the text ends, and the text ends inside the frame.
TEST_F(CompanionWindowsE2E, KeysWindowOpensOnF1ShowsEveryRowWholeClosesWithOkOrEscape) {
  ASSERT_TRUE(StartGame());
  const auto idle = Grab(mainWindow, kWholeMainWindow);
  ASSERT_TRUE(idle.has_value());
  const KeysWindowOnServer measured = MeasureKeysWindow();
  const KeysWindowLayout& layout = measured.layout;
  ASSERT_FALSE(layout.cells.empty());
  const Rect& ok = layout.okButton;

  for (const bool byEscape : {false, true}) {
    const auto keys = OpenByKey(XK_F1, "Keys");
    ASSERT_TRUE(keys.has_value()) << "F1 opened no keys window";
    ExpectCompanionOfMainWindow(*keys);
    ASSERT_EQ(std::make_pair(keys->width, keys->height),
              std::make_pair(layout.width, layout.height));
    EXPECT_TRUE(WaitUntil([&] {
      const auto last = Grab(keys->id, {ok.x, ok.y, ok.w, ok.h});
      return last && last->Count(kBlack) > 0;
    })) << "the window is not drawn";
    for (std::size_t i = 0; i < layout.cells.size(); ++i) {
      const KeysCell& cell = layout.cells[i];
      SCOPED_TRACE(cell.text);
      const auto picture = Grab(keys->id, {cell.box.x, cell.box.y, cell.box.w, cell.box.h});
      ASSERT_TRUE(picture.has_value());
      if (cell.text.find_first_not_of(' ') == std::string::npos) continue;
      const LastCharacter last = measured.lastCharacters[i];
      EXPECT_LE(last.end, cell.box.w - 1) << "wider than its cell";
      const int ink = InkInside(*picture, kBlack).right;
      EXPECT_GE(ink, last.left) << "cut short";
      EXPECT_LT(ink, last.end);
    }
    screen.Raise(mainWindow);
    screen.Focus(mainWindow);
    screen.TypeKey(XK_F1);
    EXPECT_TRUE(WaitUntil([&] { return screen.IsAbove(keys->id, mainWindow); }));
    EXPECT_EQ(CountViewable("Keys"), 1);
    if (byEscape) {
      screen.Focus(keys->id);
      screen.TypeKey(XK_Escape);
    } else {
      ClickAt(keys->id, {ok.x, ok.y, ok.w, ok.h});
    }
    EXPECT_TRUE(screen.WaitUntilGone(keys->id)) << (byEscape ? "Escape" : "OK");
    EXPECT_TRUE(MainWindowShows(*idle)) << "the main window changed";
  }
}

// A window opened over the game from the keyboard and closed by Escape: the button that Tab
// reached before has the keyboard again, shows it alone, and Return presses it.
struct FocusComesBackCase {
  const char* window;
  int tabs;
  KeySym opensWith;
  const char* title;
  // The dialog that Return on the button opens; null for START, which starts a game.
  const char* thenOpens;
};

void PrintTo(const FocusComesBackCase& test, std::ostream* out) {
  *out << test.window;
}

class FocusComesBackE2E : public CompanionWindowsE2E,
                          public ::testing::WithParamInterface<FocusComesBackCase> {};

TEST_P(FocusComesBackE2E, TheButtonTabReachedShowsItsFrameAloneAndReturnPressesIt) {
  const FocusComesBackCase& test = GetParam();
  // Tab walks INFO, EXIT, START.
  const std::vector<std::pair<Area, unsigned long>> buttons = {
      {kInfoButton, kBlack}, {kExitButton, kBlack}, {kStartButton, kWhite}};
  const Area& focused = buttons[test.tabs - 1].first;
  ASSERT_TRUE(StartGame());
  screen.Focus(mainWindow);
  for (int tab = 0; tab < test.tabs; ++tab) screen.TypeKey(XK_Tab);
  ASSERT_TRUE(WaitUntil([&] { return ShowsFocusFrame(focused, buttons[test.tabs - 1].second); }));

  screen.TypeKey(test.opensWith);
  const auto window = WaitForDialog(test.title);
  ASSERT_TRUE(window.has_value()) << "no " << test.title << " window";
  ASSERT_TRUE(WaitUntil([&] { return screen.FocusedWindow() == window->id; }));
  screen.TypeKey(XK_Escape);
  ASSERT_TRUE(screen.WaitUntilGone(window->id));

  EXPECT_TRUE(WaitUntil([&] {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const bool wanted = static_cast<int>(i) == test.tabs - 1;
      if (ShowsFocusFrame(buttons[i].first, buttons[i].second) != wanted) return false;
    }
    return true;
  })) << "not the one button reached by Tab shows a focus frame";
  screen.TypeKey(XK_Return);
  if (test.thenOpens == nullptr) {
    EXPECT_TRUE(WaitUntil([this] { return CaptionReadsOtherThanStart(); }))
        << "Return did not start a game";
  } else {
    EXPECT_TRUE(WaitForDialog(test.thenOpens).has_value()) << "Return opened no " << test.thenOpens;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Game, FocusComesBackE2E,
    ::testing::Values(FocusComesBackCase{"Statistics", 3, XK_F2, "Statistics", nullptr},
                      FocusComesBackCase{"Keys", 2, XK_F1, "Keys", "Exit"},
                      FocusComesBackCase{"About", 1, XK_Return, "Info...", "Info..."}),
    [](const ::testing::TestParamInfo<FocusComesBackCase>& info) { return info.param.window; });

TEST_F(TessarinE2E, HintsPressedUntilTheWinFollowOneShortestSolutionAndRecordNothing) {
  Board model{};
  std::vector<int> presses;
  ASSERT_TRUE(StartDealAndSolve(model, presses));
  // The top two rows put in order by hand: what is left is quick to solve at its shortest.
  const Board goal = fifteen::OrderedBoard();
  const auto topRowsHome = [&] {
    return std::equal(goal.begin(), goal.begin() + 8, model.begin());
  };
  for (std::size_t i = 0; !topRowsHome(); ++i) ASSERT_TRUE(Slide(model, presses[i]));
  // The tables are read in only by a search: a game without a hint does not pay for them.
  EXPECT_EQ(ResidentKbOfLargestFileMapping(game.Pid()), 0);

  int hints = 0;
  for (bool won = false; !won && hints < 80; ++hints) {
    screen.TypeKey(hints % 2 == 0 ? XK_h : XK_H);
    std::optional<Board> seen;
    // The first answer waits for the solver's tables.
    ASSERT_TRUE(WaitUntil(
        [&] {
          won = screen
                    .FindWindow([](const WindowFacts& facts) {
                      return facts.isDialog && facts.name == "Game";
                    })
                    .has_value();
          return won || ((seen = board->Read()) && *seen != model);
        },
        std::chrono::seconds(120)))
        << "hint " << hints << " moved nothing";
    if (!won) model = *seen;
  }
  EXPECT_GT(ResidentKbOfLargestFileMapping(game.Pid()), 0) << "the hints read no table";
  const std::string log = game.ReadWorkFile("log.txt").value_or("");
  EXPECT_NE(log.find("Hint: 2 moves to the goal\nHint: 1 move to the goal\n"), std::string::npos)
      << log;
  const std::vector<int> lengths = LoggedHintLengths(log);
  ASSERT_FALSE(lengths.empty()) << "no hint was logged";
  EXPECT_EQ(hints, lengths.front()) << "presses to the win against the logged shortest length";
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    EXPECT_EQ(lengths[i], lengths.front() - static_cast<int>(i)) << "hint " << i;
  }
  EXPECT_EQ(PrintedScores(game.WorkDir()).find(LoginPlayerName()), std::string::npos)
      << "a game won by hints was recorded";
}

// Under the question a hint's answer waits; NO lets it come, with no other input to fetch it.
// Each deal is one whose search takes long enough to be still running when the question opens.
TEST_F(TessarinE2E, AHintThatAnswersUnderTheExitQuestionSlidesItsTileWhenTheAnswerIsNo) {
  ASSERT_TRUE(StartGame());
  std::vector<int> shortestLengths;
  for (int round = 0; round < 5; ++round) {
    Board dealt{};
    int shortest = 0;
    ASSERT_TRUE(DealASlowBoard(dealt, shortest));
    shortestLengths.push_back(shortest);
    screen.Focus(mainWindow);
    screen.TypeKey(XK_h);
    const auto question = AskToExit();
    ASSERT_TRUE(question.has_value()) << "round " << round;
    ASSERT_TRUE(WaitUntil([&] { return ThreadCount(game.Pid()) == 1; }, std::chrono::minutes(1)))
        << "round " << round << ": the search never ended";
    ClickAt(question->id, kNoButton);
    ASSERT_TRUE(screen.WaitUntilGone(question->id));
    std::optional<Board> seen;
    ASSERT_TRUE(WaitUntil([&] { return (seen = board->Read()) && *seen != dealt; },
                          std::chrono::seconds(2)))
        << "round " << round << ": no tile moved after NO";
    EXPECT_TRUE(OneSlideApart(dealt, *seen)) << DescribeBoard(dealt) << DescribeBoard(*seen);
  }
  EXPECT_EQ(LoggedHintLengths(game.ReadWorkFile("log.txt").value_or("")), shortestLengths);
}

TEST_F(TessarinE2E, UndoAndRedoKeysWalkTheBoardAndCancelLeavesTheIdlePictureAsItWas) {
  ASSERT_TRUE(StartGame());
  screen.Focus(mainWindow);
  // START holds the focus in both pictures, as it does once clicked: Tab walks INFO, EXIT, START.
  const auto unfocused = Grab(mainWindow, kStartButton);
  for (int tab = 0; tab < 3; ++tab) screen.TypeKey(XK_Tab);
  ASSERT_TRUE(WaitUntil([&] { return Grab(mainWindow, kStartButton) != unfocused; }));
  const auto idle = screen.Grab(mainWindow, 0, 0, 800, 600);
  Board dealt{};
  ASSERT_TRUE(DealABoard(dealt));
  Board oneMove = dealt, twoMoves = dealt;
  ASSERT_TRUE(Slide(oneMove, 14));
  twoMoves = oneMove;
  ASSERT_TRUE(Slide(twoMoves, 10));
  const std::vector<std::tuple<KeySym, KeySym, Board>> keys = {
      {0, XK_u, oneMove},
      {0, XK_BackSpace, dealt},
      {XK_Shift_L, XK_r, oneMove},
      {XK_Control_L, XK_y, twoMoves},
      {XK_Control_L, XK_z, oneMove},
      {XK_Shift_L, XK_u, dealt},
  };
  for (const auto& [modifier, key, shows] : keys) {
    SCOPED_TRACE(XKeysymToString(key));
    screen.TypeKeyWith(modifier, key);
    ASSERT_TRUE(WaitForBoard(shows));
  }
  // A hint asked for just before CANCEL must leave no trace either.
  screen.TypeKey(XK_h);
  ClickAt(mainWindow, kStartButton);
  ASSERT_TRUE(WaitUntil([this] { return CaptionReadsStart(); }));
  EXPECT_TRUE(WaitUntil([&] { return screen.Grab(mainWindow, 0, 0, 800, 600) == idle; }))
      << "the idle window after CANCEL differs from the one before START";
}

// The game at another size than 4 x 4, its board modelled in the game's own terms
// (game/SizedBoard.h) and read off the screen at that size.
class SizedGameE2E : public TessarinE2E {
 protected:
  void PressSizedCell(int cell) const {
    const CellPlace place = PlaceOfCell(board->Side(), cell);
    screen.Click(mainWindow, place.CentreX(), place.CentreY());
  }

  ::testing::AssertionResult WaitForSized(const SizedBoard& expected) const {
    std::optional<SizedBoard> seen;
    if (WaitUntil([&] { return (seen = board->ReadSized()) == expected; })) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "expected " << DescribeBoard(expected) << "but the screen shows "
           << (seen ? DescribeBoard(*seen) : std::string("cells that match no tile"));
  }

  ::testing::AssertionResult DealSized(SizedBoard& dealt) {
    ClickAt(mainWindow, kStartButton);
    if (!WaitUntil([this] { return CaptionReadsOtherThanStart(); })) {
      return ::testing::AssertionFailure() << "the START button never changed its caption";
    }
    const auto read = board->ReadSized();
    if (!read) return ::testing::AssertionFailure() << "a dealt tile looks like no known tile";
    dealt = *read;
    return ::testing::AssertionSuccess();
  }

  // Asks for each move by `ask` and waits until its tile has slid; after the last one, which
  // the win message may cover, for that message, which OK closes, and the idle board.
  ::testing::AssertionResult PlayToTheWin(SizedBoard model, const std::vector<int>& moves,
                                          const std::function<void(int cell)>& ask) {
    for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
      const int cell = moves[i], gap = model.Gap(), tile = model[cell];
      if (!MoveTile(model, cell)) return ::testing::AssertionFailure() << "move " << i;
      ask(cell);
      if (!WaitUntil(
              [&] { return board->Shows(cell, fifteen::kEmpty) && board->Shows(gap, tile); })) {
        return ::testing::AssertionFailure()
               << "move " << i << " (cell " << cell << ") did not give " << DescribeBoard(model);
      }
    }
    if (!moves.empty()) ask(moves.back());
    const auto message = WaitForDialog("Game");
    if (!message || !WaitUntilMessageBoxDrawn(message->id)) {
      return ::testing::AssertionFailure() << "no win message";
    }
    ClickAt(message->id, kYesOrOkButton);
    if (!screen.WaitUntilGone(message->id)) return ::testing::AssertionFailure() << "OK stayed";
    if (!WaitUntil([this] { return CaptionReadsStart(); })) {
      return ::testing::AssertionFailure() << "the game did not go back to idle";
    }
    return WaitForSized(SizedBoard(model.Side()));
  }

  // A click on the tile two left of the gap slides the tile between along with it; U takes back
  // one of the two.
  ::testing::AssertionResult RowSlideAndUndo(SizedBoard& model) {
    SizedBoard halfway = model;
    const std::vector<int> cells = RowSlideCells(model, model.Gap() - 2);
    if (cells.size() != 2) return ::testing::AssertionFailure() << "no row to slide";
    MoveTile(halfway, cells[0]);
    SizedBoard slid = halfway;
    MoveTile(slid, cells[1]);
    PressSizedCell(cells[1]);
    auto slidAll = WaitForSized(slid);
    if (!slidAll) return slidAll << " after the row slide";
    screen.TypeKey(XK_u);
    model = halfway;
    return WaitForSized(halfway);
  }
};

class BoardSizesE2E : public SizedGameE2E, public ::testing::WithParamInterface<int> {};

// Started with --size and with row slides on in its settings file: the idle picture, START, a
// row slide and its undo, a win by mouse along the solver's moves and one by hints, which only
// the solver's first call may read its tables for.
TEST_P(BoardSizesE2E, IdleDealRowSlideAndWinsByMouseAndByHints) {
  const int side = GetParam();
  game.WriteWorkFile("settings.txt", "rowslides=yes\n");
  game.SetArguments({"--size", std::to_string(side)});
  ASSERT_TRUE(StartGame(side));
  for (int cell = 0; cell < side * side; ++cell) {
    const CellPlace place = PlaceOfCell(side, cell);
    EXPECT_EQ(screen.PixelAt(mainWindow, place.x, place.y), kBlack) << "frame of cell " << cell;
    EXPECT_EQ(screen.PixelAt(mainWindow, place.x + place.width, place.y + place.height), kGreen)
        << "gap after cell " << cell;
  }

  SizedBoard model(side);
  ASSERT_TRUE(DealSized(model));
  EXPECT_TRUE(IsSolvable(model)) << DescribeBoard(model);
  EXPECT_EQ(model.Gap(), side * side - 1);
  EXPECT_FALSE(model.IsOrdered());
  screen.Focus(mainWindow);
  ASSERT_TRUE(RowSlideAndUndo(model));

  const std::atomic<bool> never{false};
  ASSERT_TRUE(PlayToTheWin(model, SolveBoard(model, never).moves,
                           [this](int cell) { PressSizedCell(cell); }));
  const std::string n = std::to_string(side);
  const std::string scores = PrintedScores(game.WorkDir());
  EXPECT_NE(scores.find("Fewest moves, " + n + " x " + n + ":"), std::string::npos) << scores;
  EXPECT_NE(scores.find(LoginPlayerName()), std::string::npos) << scores;

  EXPECT_EQ(ResidentKbOfLargestFileMapping(game.Pid()), 0) << "a table was read before a hint";
  ASSERT_TRUE(DealSized(model));
  screen.Focus(mainWindow);
  const BoardSolution plan = SolveBoard(model, never);
  ASSERT_TRUE(PlayToTheWin(model, plan.moves, [this](int) { screen.TypeKey(XK_h); }));
  const std::string log = game.ReadWorkFile("log.txt").value_or("");
  const std::string kind = side > 4 ? " (not the shortest)\n" : "\n";
  EXPECT_NE(log.find("Hint: 2 moves to the goal" + kind + "Hint: 1 move to the goal" + kind),
            std::string::npos)
      << log;
  EXPECT_EQ(LoggedHintLengths(log).size(), plan.moves.size()) << log;
  EXPECT_EQ(PrintedScores(game.WorkDir()), scores) << "a game won by hints was recorded";
}

INSTANTIATE_TEST_SUITE_P(Sides, BoardSizesE2E, ::testing::Values(3, 5),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Side" + std::to_string(info.param);
                         });

// Chosen in the settings window and confirmed, the size shows at once and, like row slides,
// holds for the next run.
TEST_F(SizedGameE2E, SettingsChosenInTheirWindowHoldAfterARestart) {
  ASSERT_TRUE(StartGame());
  screen.Focus(mainWindow);
  screen.TypeKey(XK_F3);
  const auto settings = WaitForDialog("Settings");
  ASSERT_TRUE(settings.has_value()) << "F3 opened no settings window";
  const Area ok = SettingsOkButton(settings->width);
  ASSERT_TRUE(
      WaitUntil([&] { return screen.PixelAt(settings->id, ok.CentreX(), ok.y) == kWhite; }));
  ClickAt(settings->id, SettingsSizeRow(5));
  screen.Click(settings->id, kSettingsRowSlides.x + 10, kSettingsRowSlides.CentreY());
  ClickAt(settings->id, ok);
  ASSERT_TRUE(screen.WaitUntilGone(settings->id));
  board.emplace(screen, mainWindow, 5);
  std::string whyNot;
  EXPECT_TRUE(WaitUntil([&] { return board->Learn(whyNot); })) << "no 5 x 5 board: " << whyNot;
  ASSERT_TRUE(ExitThroughTheQuestion());
  EXPECT_EQ(game.ReadWorkFile("settings.txt"), "size=5\nrowslides=yes\n");

  ASSERT_TRUE(StartGame(5));
  SizedBoard model(5);
  ASSERT_TRUE(DealSized(model));
  screen.Focus(mainWindow);
  EXPECT_TRUE(RowSlideAndUndo(model));
}

}  // namespace
