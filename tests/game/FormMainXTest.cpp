// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "game/FormMain.h"

#include <X11/keysym.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "game/FormKeys.h"
#include "game/FormSettings.h"
#include "game/FormStats.h"
#include "game/GameInfo.h"
#include "game/KeyTable.h"
#include "game/PuzzleRules.h"
#include "game/ShortestSolver.h"
#include "support/GameBoards.h"
#include "support/StandInPrograms.h"
#include "support/TempDirectory.h"
#include "support/Waiting.h"
#include "support/XServerFixture.h"
#include "tessarin/app/Application.h"
#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/dialogs/FormAbout.h"
#include "tessarin/dialogs/FormMsgBox.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/MyImage.h"
#include "tessarin/widgets/OptionBox.h"

using namespace tessarin;

namespace {

using game_boards::BoardWithEmptyAt;
using game_boards::OrderedBoard;

constexpr Color kBackground = 0x00FF00;
constexpr Color kEmptyGrey = 0xB7B7B7;
constexpr Color kMarker = 0x123456;
constexpr int kTileLeft[] = {20, 110, 200, 290};
constexpr int kTileTop[] = {25, 163, 301, 439};

Point TileCorner(int index) {
  return {kTileLeft[index % 4], kTileTop[index / 4]};
}

Point TileCentre(int index) {
  Point corner = TileCorner(index);
  return {corner.x + 44, corner.y + 68};
}

std::string CaptionOf(int value) {
  return value == kEmptyCell ? " " : std::to_string(value);
}

FormMsgBox* OpenMessageBox() {
  return dynamic_cast<FormMsgBox*>(Application::CurrentMessageBox());
}

int CountAboutWindows() {
  const auto& forms = Application::Forms();
  return static_cast<int>(std::count_if(forms.begin(), forms.end(), [](Form* form) {
    return dynamic_cast<FormAbout*>(form) != nullptr;
  }));
}

// True when `upper` is stacked above `lower` among the root's children.
bool IsStackedAbove(Display* display, Window upper, Window lower) {
  Window root, parent;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
    return false;
  }
  int upperAt = -1, lowerAt = -1;
  for (unsigned int i = 0; i < count; ++i) {
    if (children[i] == upper) upperAt = static_cast<int>(i);
    if (children[i] == lower) lowerAt = static_cast<int>(i);
  }
  if (children != nullptr) XFree(children);
  return upperAt > lowerAt && lowerAt >= 0;
}

KeyInput Sym(unsigned long keysym) {
  return {KeyKind::Symbol, keysym};
}

KeyInput Chr(unsigned long ch) {
  return {KeyKind::Character, ch};
}

// Keys that do one thing, seen on the board they leave and, for some, on a window they open.
struct KeyCase {
  std::vector<KeyInput> keys;
  Board before;
  Board after;
  void (*prepare)(FormMain& form) = nullptr;
  bool (*opened)(const FormMain& form) = nullptr;
};

std::size_t CountBindings() {
  std::size_t count = 0;
  for (const KeyRow& row : MainWindowKeyRows()) count += row.bindingCount;
  return count;
}

Board WithEmptyMovedTo(Board board, int cell) {
  std::swap(*std::find(board.begin(), board.end(), kEmptyCell), board[cell]);
  return board;
}

}  // namespace

class FormMainXTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    if (HasFatalFailure()) return;
    std::string data = workFolder.File("Data");
    ASSERT_EQ(mkdir(data.c_str(), 0777), 0);
    std::ofstream(workFolder.File("Data/beep.wav")) << "RIFF";
    // The game's own beep, as its entry states it.
    SetBeepSound("Data/beep.wav");
    programs.Add("aplay");
    programs.Add("firefox");
    programs.Add("thunderbird");
    insideWorkFolder = std::make_unique<WorkingDirectoryScope>(workFolder.Path());
    form = std::make_unique<FormMain>(app.get(), "Tessarin test");
    WaitUntilMapped(form.get());
  }

  void TearDown() override {
    form.reset();
    SetBeepSound("");
    insideWorkFolder.reset();
    XServerFixture::TearDown();
  }

  void ClickTile(int index) {
    Point centre = TileCentre(index);
    Click(form.get(), centre.x, centre.y);
    Pump(form.get());
  }

  void ClickButton(ButtonCustom* button) {
    Point position = button->GetPosition();
    Click(form.get(), position.x + 50, position.y + 14);
    Pump(form.get());
  }

  void ClickBoxButton(FormMsgBox* box, ButtonCustom* button) {
    WaitUntilMapped(box);
    Point position = button->GetPosition();
    Click(box, position.x + 20, position.y + 14);
    Pump(form.get());
  }

  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int i = 0; i < kCellCount; ++i) captions.push_back(form->GetCell(i)->GetText());
    return captions;
  }

  void ExpectCaptionsShow(const Board& board) {
    for (int i = 0; i < kCellCount; ++i) {
      EXPECT_EQ(form->GetCell(i)->GetText(), CaptionOf(board[i])) << "cell " << i;
    }
  }

  void MarkEveryTile() {
    Painter painter(PaintTargetOf(form.get()));
    for (int i = 0; i < kCellCount; ++i) {
      Point corner = TileCorner(i);
      painter.DrawPoint(corner.x + 3, corner.y + 3, kMarker);
    }
    painter.Flush();
  }

  bool TileKeepsMarker(int index) {
    Point corner = TileCorner(index);
    return PixelAt(form.get(), corner.x + 3, corner.y + 3) == kMarker;
  }

  TempDirectory workFolder;
  StandInPrograms programs;
  std::unique_ptr<WorkingDirectoryScope> insideWorkFolder;
  std::unique_ptr<FormMain> form;
};

TEST_F(FormMainXTest, OpensTheGreenWindowWithTilesPictureButtonsAndFlag) {
  EXPECT_EQ(form->GetActualWidth(), 800);
  EXPECT_EQ(form->GetActualHeight(), 600);
  EXPECT_EQ(form->GetTitle(), "Tessarin test");
  EXPECT_EQ(FormMain::MainForm(), form.get());
  EXPECT_EQ(PixelAt(form.get(), 5, 5), kBackground);
  // Tiles: black frame, white inside, a green gap of two pixels between neighbours.
  EXPECT_EQ(PixelAt(form.get(), 20, 25), kBlack);
  EXPECT_EQ(PixelAt(form.get(), 107, 160), kBlack);
  EXPECT_EQ(PixelAt(form.get(), 24, 30), kWhite);
  EXPECT_EQ(PixelAt(form.get(), 108, 60), kBackground);
  EXPECT_EQ(PixelAt(form.get(), 60, 161), kBackground);
  EXPECT_EQ(PixelAt(form.get(), 300, 450), kEmptyGrey);
  EXPECT_EQ(PixelAt(form.get(), 377, 574), kWhite);  // empty cell: white right and bottom
  ExpectCaptionsShow(OrderedBoard());
  EXPECT_EQ(form->GetCell(0)->GetSize().y, 136);
  // Buttons.
  EXPECT_EQ(form->GetInfoButton()->GetText(), "INFO");
  EXPECT_EQ(form->GetStartButton()->GetText(), "START");
  EXPECT_EQ(form->GetExitButton()->GetText(), "EXIT");
  EXPECT_EQ(PixelAt(form.get(), 403, 158), 0xFFFDE5);
  EXPECT_EQ(PixelAt(form.get(), 403, 193), 0xFF0000);
  EXPECT_EQ(PixelAt(form.get(), 403, 228), 0xFFFDE5);
  EXPECT_EQ(form->GetStartButton()->GetForeColor(), kWhite);
  EXPECT_TRUE(form->GetStartButton()->GetFlagB());
  // The flag: 19 x 14 pixels each, background around them.
  EXPECT_EQ(PixelAt(form.get(), 730, 580), 0x00AA00);
  EXPECT_EQ(PixelAt(form.get(), 748, 593), 0x00AA00);
  EXPECT_EQ(PixelAt(form.get(), 749, 580), kBackground);
  EXPECT_EQ(PixelAt(form.get(), 750, 580), kWhite);
  EXPECT_EQ(PixelAt(form.get(), 770, 580), 0xFF0000);
  EXPECT_EQ(PixelAt(form.get(), 788, 593), 0xFF0000);
  EXPECT_EQ(PixelAt(form.get(), 789, 580), kBackground);
  EXPECT_EQ(PixelAt(form.get(), 770, 594), kBackground);
}

TEST_F(FormMainXTest, FirstPaintShowsTheTitlePictureAndStartsTheTimer) {
  ASSERT_NE(form->GetLogoImage()->GetImage(), nullptr);
  ASSERT_NE(form->GetAboutPicture(), nullptr);
  EXPECT_EQ(form->GetAboutPicture()->width, 164);
  EXPECT_EQ(form->GetAboutPicture()->height, 50);
  EXPECT_TRUE(form->GetTickTimer()->IsRunning());
  EXPECT_EQ(form->GetTickTimer()->GetInterval(), 20u);
  // The picture's two-pixel green frame, then its lettering somewhere along the middle row.
  EXPECT_EQ(PixelAt(form.get(), 400, 25), 0x078B00);
  EXPECT_EQ(PixelAt(form.get(), 401, 26), 0x078B00);
  EXPECT_EQ(PixelAt(form.get(), 727, 124), 0x078B00);
  bool redLetter = false;
  for (int x = 400; x < 728 && !redLetter; ++x) redLetter = PixelAt(form.get(), x, 75) == 0xFB1F1F;
  EXPECT_TRUE(redLetter);
}

TEST_F(FormMainXTest, StartShufflesASolvableBoardAndTurnsIntoCancel) {
  ClickButton(form->GetStartButton());
  EXPECT_TRUE(form->IsGameActive());
  EXPECT_EQ(form->GetStartButton()->GetText(), "CANCEL");
  const Board& board = form->GetBoard();
  EXPECT_EQ(board[15], kEmptyCell);
  EXPECT_FALSE(IsSolved(board));
  Board sorted = board;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, OrderedBoard());
  std::vector<int> tiles(board.begin(), board.begin() + 15);
  tiles.push_back(0);
  EXPECT_TRUE(IsEvenPermutation(tiles));
  ExpectCaptionsShow(board);
  EXPECT_EQ(PixelAt(form.get(), 300, 450), kEmptyGrey);
  EXPECT_EQ(PixelAt(form.get(), 24, 30), kWhite);
}

TEST_F(FormMainXTest, CancelRestoresTheOrderedPictureWithoutAMessage) {
  ClickButton(form->GetStartButton());
  ClickButton(form->GetStartButton());
  EXPECT_FALSE(form->IsGameActive());
  EXPECT_EQ(form->GetStartButton()->GetText(), "START");
  ExpectCaptionsShow(OrderedBoard());
  EXPECT_EQ(OpenMessageBox(), nullptr);
  EXPECT_TRUE(form->IsEnabled());
}

TEST_F(FormMainXTest, PressNextToTheEmptyCellMovesOneTileAndRepaintsOnlyTwoCells) {
  form->SetBoardForTest(BoardWithEmptyAt(10));
  Pump(form.get());
  MarkEveryTile();
  ClickTile(9);
  Board expected = BoardWithEmptyAt(10);
  std::swap(expected[9], expected[10]);
  EXPECT_EQ(form->GetBoard(), expected);
  ExpectCaptionsShow(expected);
  EXPECT_EQ(PixelAt(form.get(), kTileLeft[1] + 10, kTileTop[2] + 10), kEmptyGrey);
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(TileKeepsMarker(i), i != 9 && i != 10) << "cell " << i;
  }
  // Each direction in turn: from above, from the right, from below.
  ClickTile(5);
  EXPECT_EQ(form->GetBoard()[5], kEmptyCell);
  ClickTile(6);
  EXPECT_EQ(form->GetBoard()[6], kEmptyCell);
  ClickTile(10);
  EXPECT_EQ(form->GetBoard()[10], kEmptyCell);
}

TEST_F(FormMainXTest, PressesAwayFromTheEmptyCellMoveNothing) {
  struct Case {
    int empty;
    int pressed;
  };
  // Diagonal, two away in the row, two away in the column, the empty cell itself, and the
  // row ends on both sides.
  const Case cases[] = {{5, 0}, {5, 7}, {1, 9}, {5, 5}, {4, 3}, {3, 4}};
  for (const Case& c : cases) {
    form->SetBoardForTest(BoardWithEmptyAt(c.empty));
    Pump(form.get());
    MarkEveryTile();
    ClickTile(c.pressed);
    EXPECT_EQ(form->GetBoard(), BoardWithEmptyAt(c.empty)) << "pressed " << c.pressed;
    for (int i = 0; i < kCellCount; ++i) {
      EXPECT_TRUE(TileKeepsMarker(i)) << "pressed " << c.pressed << ", cell " << i;
    }
  }
}

TEST_F(FormMainXTest, IdlePressesDoNothing) {
  ClickTile(14);
  ClickTile(11);
  EXPECT_FALSE(form->IsGameActive());
  ExpectCaptionsShow(OrderedBoard());
  ClickButton(form->GetStartButton());
  ClickButton(form->GetStartButton());
  const std::vector<std::string> before = Captions();
  ClickTile(14);
  EXPECT_EQ(Captions(), before);
}

TEST_F(FormMainXTest, CompletingTheBoardCongratulatesAndReturnsToIdle) {
  Board lastMove = OrderedBoard();
  std::swap(lastMove[14], lastMove[15]);
  form->SetBoardForTest(lastMove);
  Pump(form.get());
  ClickTile(15);
  FormMsgBox* box = OpenMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetMessage(), "Well done! You have completed the game!");
  EXPECT_EQ(box->GetTitle(), "Game");
  EXPECT_FALSE(box->IsQuestion());
  EXPECT_FALSE(form->IsEnabled());
  EXPECT_FALSE(form->IsGameActive());
  EXPECT_EQ(form->GetStartButton()->GetText(), "START");
  ExpectCaptionsShow(OrderedBoard());
  ClickBoxButton(box, box->GetFirstButton());
  EXPECT_TRUE(form->IsEnabled());
  EXPECT_FALSE(Application::QuitRequested());
}

TEST_F(FormMainXTest, ExitAsksAndNoLeavesTheGameAsItWas) {
  form->SetBoardForTest(BoardWithEmptyAt(6));
  ClickButton(form->GetExitButton());
  FormMsgBox* box = OpenMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->IsQuestion());
  EXPECT_EQ(box->GetDialogId(), 1000u);
  EXPECT_EQ(box->GetMessage(), "Do you really want to go exit?");
  EXPECT_EQ(box->GetTitle(), "Exit");
  EXPECT_FALSE(form->IsEnabled());
  ClickBoxButton(box, box->GetSecondButton());
  EXPECT_TRUE(form->IsEnabled());
  EXPECT_FALSE(Application::QuitRequested());
  EXPECT_TRUE(form->GetTickTimer()->IsRunning());
  EXPECT_TRUE(form->IsGameActive());
  EXPECT_EQ(form->GetBoard(), BoardWithEmptyAt(6));
  ClickTile(5);
  EXPECT_EQ(form->GetBoard()[5], kEmptyCell);
}

TEST_F(FormMainXTest, AMoveCancelsTheSearchAndTwoHintsOnTheNewBoardSlideOneTile) {
  // Some 600,000 nodes of search, a fifth of a second; with the tile at 11 moved, a third.
  const Board slow{8, 10, 2, 15, 11, 9, 5, 14, 12, 7, 13, 6, 3, 4, 1, 16};
  Board moved = slow;
  ASSERT_TRUE(MoveTile(moved, 11));
  const ShortestSolution shortest = SolveShortest(moved);
  ASSERT_EQ(shortest.outcome, SolveOutcome::Solved);
  Board hinted = moved;
  ASSERT_TRUE(MoveTile(hinted, shortest.moves.front()));

  form->SetBoardForTest(slow);
  form->AskForHint();
  form->ChildMouseDown(form->GetCell(11));
  ASSERT_EQ(form->GetBoard(), moved);
  form->AskForHint();
  form->AskForHint();
  EXPECT_TRUE(waiting::WaitUntil([&] {
    Pump(form.get(), 10);
    return form->GetBoard() != moved;
  })) << "no answer for the board after the move";
  Pump(form.get(), 100);
  ExpectCaptionsShow(hinted);
}

// An answer that came while the About window blocked the board waits for it; the window going
// with the game (its main window destroyed) must not call on the wake-up gone before it.
TEST_F(FormMainXTest, AnAnswerWaitingUnderTheAboutWindowSlidesNothingAndEndsWithTheGame) {
  Board nearGoal{};
  for (int i = 0; i < kCellCount; ++i) nearGoal[i] = i + 1;
  ASSERT_TRUE(MoveTile(nearGoal, 14));
  ASSERT_TRUE(MoveTile(nearGoal, 13));
  form->SetBoardForTest(nearGoal);
  form->AskForHint();
  form->CommandClicked(form->GetInfoButton());
  ASSERT_NE(form->GetAboutForm(), nullptr);
  Pump(form.get(), 200);
  EXPECT_EQ(form->GetBoard(), nearGoal) << "a hint slid a tile under the About window";
  form.reset();
}

TEST_F(FormMainXTest, YesToTheExitQuestionStopsTheTimerAndSetsTheQuitFlag) {
  ClickButton(form->GetExitButton());
  FormMsgBox* box = OpenMessageBox();
  ASSERT_NE(box, nullptr);
  ClickBoxButton(box, box->GetFirstButton());
  EXPECT_TRUE(Application::QuitRequested());
  EXPECT_FALSE(form->GetTickTimer()->IsRunning());
}

TEST_F(FormMainXTest, OtherAnswersDoNotQuit) {
  form->OnDialogResult(1000, kDialogNo);
  form->OnDialogResult(1000, kDialogClosed);
  form->OnDialogResult(0, kDialogYes);
  form->OnDialogResult(0, kDialogOk);
  EXPECT_FALSE(Application::QuitRequested());
  EXPECT_TRUE(form->GetTickTimer()->IsRunning());
}

TEST_F(FormMainXTest, WindowManagerCloseAsksInsteadOfClosing) {
  SendCloseRequest(form.get());
  Pump(form.get());
  FormMsgBox* box = OpenMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetMessage(), "Do you really want to go exit?");
  EXPECT_TRUE(form->IsCreated());
  EXPECT_NE(form->GetWindow(), 0u);
  EXPECT_FALSE(Application::QuitRequested());
}

TEST_F(FormMainXTest, PressesOnTheBlockedWindowBeepAndRaiseTheDialog) {
  form->SetBoardForTest(BoardWithEmptyAt(10));
  ClickButton(form->GetExitButton());
  FormMsgBox* box = OpenMessageBox();
  ASSERT_NE(box, nullptr);
  WaitUntilMapped(box);
  box->SendToBack();
  XSync(display(), False);
  ASSERT_FALSE(IsStackedAbove(display(), box->GetWindow(), form->GetWindow()));

  ClickTile(9);
  ASSERT_TRUE(PumpUntil(form.get(), [&] { return !programs.Recorded("aplay").empty(); }));
  EXPECT_EQ(programs.Recorded("aplay"), "Data/beep.wav\n");
  EXPECT_TRUE(IsStackedAbove(display(), box->GetWindow(), form->GetWindow()));
  EXPECT_EQ(form->GetBoard(), BoardWithEmptyAt(10));
  ClickButton(form->GetStartButton());
  EXPECT_TRUE(form->IsGameActive());
  EXPECT_EQ(form->GetStartButton()->GetText(), "CANCEL");
}

TEST_F(FormMainXTest, InfoOpensOneAboutWindowAtATime) {
  ClickButton(form->GetInfoButton());
  FormAbout* first = form->GetAboutForm();
  ASSERT_NE(first, nullptr);
  WaitUntilMapped(first);
  EXPECT_TRUE(first->IsCreated());
  EXPECT_FALSE(form->IsEnabled());
  EXPECT_EQ(form->GetModalChild(), first);
  EXPECT_EQ(first->GetTitle(), "Info...");
  EXPECT_EQ(first->GetProductLabel()->GetText(), "Tessarin 1.0.0.0");
  EXPECT_EQ(first->GetWebLink()->GetText(), kWebAddress);
  EXPECT_EQ(first->GetPicture()->GetImage(), form->GetAboutPicture());
  EXPECT_EQ(CountAboutWindows(), 1);

  // A second INFO while the first is still up replaces it.
  form->CommandClicked(form->GetInfoButton());
  EXPECT_EQ(CountAboutWindows(), 1);
  FormAbout* second = form->GetAboutForm();
  WaitUntilMapped(second);
  Point ok = second->GetOkButton()->GetPosition();
  Click(second, ok.x + 10, ok.y + 10);
  Pump(form.get());
  EXPECT_TRUE(form->IsEnabled());
  EXPECT_EQ(form->GetModalChild(), nullptr);

  ClickButton(form->GetInfoButton());
  EXPECT_EQ(CountAboutWindows(), 1);
  EXPECT_FALSE(form->IsEnabled());
}

TEST_F(FormMainXTest, DestroyingTheWindowWithADialogOpenLeavesNothingBehind) {
  ClickButton(form->GetInfoButton());
  ASSERT_NE(form->GetAboutForm(), nullptr);
  form->CommandClicked(form->GetExitButton());
  ASSERT_NE(OpenMessageBox(), nullptr);
  form.reset();
  EXPECT_EQ(OpenMessageBox(), nullptr);
  EXPECT_EQ(FormMain::MainForm(), nullptr);
  EXPECT_EQ(CountAboutWindows(), 0);
  EXPECT_TRUE(Application::Forms().empty());
  EXPECT_EQ(Application::FocusedElement(), nullptr);
}

TEST_F(FormMainXTest, WindowTitleCarriesTheAddressAndTheNotice) {
  EXPECT_EQ(WindowTitle(), std::string("Tessarin - ") + kWebAddress + " " + kNotice);
  EXPECT_EQ(std::string(kWebAddress).rfind("https://www.", 0), 0u);
}

// Each key is sent as the loop hands it over. From the gap at 5 a slide empties the cell on
// the far side; undo and redo walk a move made by Left; a hint takes back the later of two
// slides away from the goal.
TEST_F(FormMainXTest, EveryKeyOfTheKeyTableDoesWhatItsRowSays) {
  const Board start = BoardWithEmptyAt(5);
  const Board left = WithEmptyMovedTo(start, 6);
  const Board nearGoal = BoardWithEmptyAt(14);
  const auto moveLeft = [](FormMain& f) { f.SlideFromKeyboard(Slide::Left); };
  const auto moveLeftAndBack = [](FormMain& f) {
    f.SlideFromKeyboard(Slide::Left);
    f.UndoMove();
  };
  const auto statsOpen = [](const FormMain& f) {
    return f.GetStatsForm() != nullptr && f.GetStatsForm()->IsOpen();
  };
  const auto keysOpen = [](const FormMain& f) {
    return f.GetKeysForm() != nullptr && f.GetKeysForm()->IsOpen();
  };
  const auto settingsOpen = [](const FormMain& f) {
    return f.GetSettingsForm() != nullptr && f.GetSettingsForm()->IsOpen();
  };
  // Ctrl+Z and Ctrl+Y type 26 and 25, BackSpace 8.
  const KeyCase cases[] = {
      {{Sym(XK_Up), Sym(XK_KP_Up), Chr('w'), Chr('W')}, start, WithEmptyMovedTo(start, 9)},
      {{Sym(XK_Down), Sym(XK_KP_Down), Chr('s'), Chr('S')}, start, WithEmptyMovedTo(start, 1)},
      {{Sym(XK_Left), Sym(XK_KP_Left), Chr('a'), Chr('A')}, start, left},
      {{Sym(XK_Right), Sym(XK_KP_Right), Chr('d'), Chr('D')}, start, WithEmptyMovedTo(start, 4)},
      {{Chr('u'), Chr('U'), Chr(26), Chr(8)}, start, start, moveLeft},
      {{Chr('r'), Chr('R'), Chr(25)}, start, left, moveLeftAndBack},
      {{Chr('h'), Chr('H')}, WithEmptyMovedTo(nearGoal, 10), nearGoal},
      {{Sym(XK_F2)}, start, start, nullptr, statsOpen},
      {{Sym(XK_F1)}, start, start, nullptr, keysOpen},
      {{Sym(XK_F3)}, start, start, nullptr, settingsOpen},
  };
  std::size_t tested = 0;
  for (const KeyCase& test : cases) {
    for (const KeyInput& key : test.keys) {
      SCOPED_TRACE("key " + std::to_string(key.code));
      ++tested;
      form->SetBoardForTest(test.before);
      if (test.prepare != nullptr) test.prepare(*form);
      if (key.kind == KeyKind::Symbol) {
        form->FormKeyDown(key.code);
      } else {
        form->FormKeyChar(static_cast<char>(key.code));
      }
      // The hint's answer comes from the search's thread.
      EXPECT_TRUE(waiting::WaitUntil([&] {
        Pump(form.get(), 5);
        return form->GetBoard() == test.after;
      }));
      EXPECT_TRUE(test.opened == nullptr || test.opened(*form));
    }
  }
  EXPECT_EQ(tested, CountBindings()) << "the table binds a key this test does not know";
}

// Through the settings window's own widgets: a new size while a game runs asks first. NO keeps
// the game and the settings as they were; YES gives the game up for the ordered board of the
// new size, drawn at once in the same rectangle, and keeps the choice in the settings file.
TEST_F(FormMainXTest, ANewSizeDuringAGameAsksFirstAndYesShowsItsOrderedBoard) {
  form->SetBoardForTest(BoardWithEmptyAt(10));
  const auto chooseFiveByFive = [&] {
    form->OpenSettings();
    FormSettings* window = form->GetSettingsForm();
    ASSERT_NE(window, nullptr);
    WaitUntilMapped(window);
    const Point sizes = window->GetSizeBox()->GetAbsolutePosition();
    Click(window, sizes.x + 30, sizes.y + 2 * 26 + 13);
    Pump(form.get());
    ASSERT_EQ(window->GetSizeBox()->GetSelectedIndex(), 2);
    const Point ok = window->GetOkButton()->GetAbsolutePosition();
    Click(window, ok.x + 20, ok.y + 14);
    Pump(form.get());
    EXPECT_FALSE(window->IsOpen());
  };
  const std::string settingsFile = workFolder.File("settings.txt");

  ASSERT_NO_FATAL_FAILURE(chooseFiveByFive());
  FormMsgBox* question = OpenMessageBox();
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(question->IsQuestion());
  EXPECT_EQ(question->GetTitle(), "Settings");
  ClickBoxButton(question, question->GetSecondButton());
  EXPECT_TRUE(form->IsGameActive());
  EXPECT_EQ(form->GetBoard(), BoardWithEmptyAt(10));
  EXPECT_EQ(form->GetSettings().side, 4);
  EXPECT_FALSE(std::ifstream(settingsFile).good()) << "NO saved the settings";

  ASSERT_NO_FATAL_FAILURE(chooseFiveByFive());
  question = OpenMessageBox();
  ASSERT_NE(question, nullptr);
  ClickBoxButton(question, question->GetFirstButton());
  EXPECT_FALSE(form->IsGameActive());
  EXPECT_EQ(form->GetStartButton()->GetText(), "START");
  EXPECT_EQ(form->GetSizedBoard(), SizedBoard(5));
  ASSERT_EQ(form->GetCell(25), nullptr);
  for (int i = 0; i < 25; ++i) {
    EXPECT_EQ(form->GetCell(i)->GetText(), i < 24 ? std::to_string(i + 1) : " ") << "cell " << i;
  }
  // 70 x 108 cells: white where the 4 x 4 board had a gap, ground where it had a tile, and
  // along the bottom edge, which the cells leave free.
  EXPECT_EQ(PixelAt(form.get(), 108, 60), kWhite);
  EXPECT_EQ(PixelAt(form.get(), 91, 60), kBackground);
  EXPECT_EQ(PixelAt(form.get(), 60, 574), kBackground);
  EXPECT_EQ(PixelAt(form.get(), 377, 572), kWhite);  // the empty cell's bottom-right frame
  std::ostringstream saved;
  saved << std::ifstream(settingsFile).rdbuf();
  EXPECT_EQ(saved.str(), "size=5\nrowslides=no\n");
}
