// Faults from outside, on the real tessarin binary: its X server killed under it, termination
// signals, its windows destroyed by another client, a working directory it cannot write, a
// server without the core fonts, a sound player that is missing or fails, and the authority
// file that let it in removed. A fault that needs a server of its own (one to kill, one with a
// font path or an authority file of its choosing) gets a private Xvfb beside the suite's, which
// is never touched. Beeps are the game's background sounds: a press on the main window while a
// dialog blocks it plays one. GoogleTest first: X11 headers define macros (None, Bool) that
// clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/BoardReader.h"
#include "support/GameLayout.h"
#include "support/ProgramProcess.h"
#include "support/ReadOnlyView.h"
#include "support/RemoteScreen.h"
#include "support/TempDirectory.h"
#include "support/Waiting.h"
#include "support/XvfbProcess.h"

namespace {

using game_layout::Area;
using game_layout::CaptionOf;
using game_layout::kCream;
using game_layout::kExitButton;
using game_layout::kInfoButton;
using game_layout::kNoButton;
using game_layout::kRed;
using game_layout::kStartButton;
using game_layout::kWhite;
using game_layout::kYesOrOkButton;
using waiting::WaitUntil;

constexpr unsigned long kEmptyGrey = game_layout::kLabelGrey;
constexpr int kOrderedEmptyCell = 15;
constexpr char kFontFailure[] = "XLoadQueryFont failed\n";

std::string Join(const std::vector<pid_t>& pids) {
  std::string text;
  for (pid_t pid : pids) text += std::to_string(pid) + " ";
  return text;
}

std::size_t LinesHolding(const std::string& text, const std::string& part) {
  std::istringstream lines(text);
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line);) count += line.find(part) != line.npos;
  return count;
}

// An authority file of one cookie that admits its holder to any display: the server reads it
// at start (-auth), a client finds it through XAUTHORITY.
void WriteCookieForAnyDisplay(const std::string& path) {
  const auto field = [](std::string& entry, const std::string& bytes) {
    entry += static_cast<char>(bytes.size() >> 8);
    entry += static_cast<char>(bytes.size() & 0xFF);
    entry += bytes;
  };
  std::string entry = "\xFF\xFF";  // FamilyWild, with no address and no display number
  field(entry, "");
  field(entry, "");
  field(entry, "MIT-MAGIC-COOKIE-1");
  std::random_device random;
  std::string cookie;
  for (int i = 0; i < 16; ++i) cookie += static_cast<char>(random() & 0xFF);
  field(entry, cookie);
  std::ofstream(path, std::ios::binary) << entry;
}

// Sets an environment variable of this process while alive, then puts back what was there.
class EnvironmentScope {
 public:
  EnvironmentScope(const char* name, const std::string& value) : name(name) {
    if (const char* old = std::getenv(name)) before = old;
    setenv(name, value.c_str(), 1);
  }
  ~EnvironmentScope() {
    if (before) {
      setenv(name, before->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }

 private:
  const char* name;
  std::optional<std::string> before;
};

// Starts the game on a server, finds its windows and plays it through what it draws, with or
// without text: the tiles white, the empty cell grey, the buttons in their colours.
class OutsideFaults : public ::testing::Test {
 protected:
  void TearDown() override {
    if (HasFailure()) std::cout << game.Output() << (server ? server->Output() : "");
    game.KillAndReap();
  }

  void UseSuiteServer() { screen.emplace(); }

  ::testing::AssertionResult UseOwnServer(const std::vector<std::string>& arguments = {}) {
    server.emplace();
    if (!server->Start(arguments)) {
      return ::testing::AssertionFailure() << "Xvfb did not start: " << server->Output();
    }
    game.SetEnvironment("DISPLAY=" + server->DisplayName());
    screen.emplace(server->DisplayName().c_str());
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult StartGame() {
    if (!screen || !screen->IsOpen()) return ::testing::AssertionFailure() << "no X server";
    const std::vector<Window> before = screen->TopLevelWindows();
    const std::set<Window> old(before.begin(), before.end());
    if (!game.Start()) return ::testing::AssertionFailure() << "cannot start " TESSARIN_BINARY;
    const auto main = screen->WaitForWindow([&old](const WindowFacts& facts) {
      return old.count(facts.id) == 0 && facts.className == "Tessarin.exe" && !facts.isDialog;
    });
    if (!main) return ::testing::AssertionFailure() << "the main window never appeared";
    mainWindow = main->id;
    if (!WaitUntil([this] { return BoardAndButtonsDrawn(); })) {
      return ::testing::AssertionFailure() << "the board and the buttons were never drawn";
    }
    return ::testing::AssertionSuccess();
  }

  // A pixel of the tile away from its frame and its caption.
  unsigned long CellColour(int cell) const {
    return screen->PixelAt(mainWindow, BoardReader::CellX(cell) + 6, BoardReader::CellY(cell) + 6);
  }
  unsigned long ButtonColour(const Area& button) const {
    const Area inside = CaptionOf(button);
    return screen->PixelAt(mainWindow, inside.x, inside.y);
  }

  // The cell that shows the empty grey while every other shows a white tile; nothing while
  // the board is not fully drawn (a dialog that went away leaves cells to repaint).
  std::optional<int> EmptyCell() const {
    std::optional<int> empty;
    for (int cell = 0; cell < fifteen::kCells; ++cell) {
      const unsigned long colour = CellColour(cell);
      if (colour == kEmptyGrey && !empty) {
        empty = cell;
      } else if (colour != kWhite) {
        return std::nullopt;
      }
    }
    return empty;
  }

  bool BoardAndButtonsDrawn() const {
    return EmptyCell() == kOrderedEmptyCell && ButtonColour(kStartButton) == kRed &&
           ButtonColour(kInfoButton) == kCream && ButtonColour(kExitButton) == kCream;
  }

  std::optional<WindowFacts> AskToExit() const {
    screen->Click(mainWindow, kExitButton.CentreX(), kExitButton.CentreY());
    const auto question = screen->WaitForWindow(
        [](const WindowFacts& facts) { return facts.isDialog && facts.name == "Exit"; });
    const bool drawn = question && WaitUntil([&] {
                         return screen->PixelAt(question->id, kYesOrOkButton.CentreX(),
                                                kYesOrOkButton.y) == kWhite;
                       });
    return drawn ? question : std::nullopt;
  }

  bool Answer(const WindowFacts& question, const Area& button) const {
    screen->Click(question.id, button.CentreX(), button.CentreY());
    return screen->WaitUntilGone(question.id);
  }

  // F2 opens the statistics window, or raises it.
  std::optional<WindowFacts> OpenStatistics() const {
    screen->Focus(mainWindow);
    screen->TypeKey(XK_F2);
    return screen->WaitForWindow(
        [](const WindowFacts& facts) { return facts.isDialog && facts.name == "Statistics"; });
  }

  // A press on a tile clear of the dialogs, which beeps while one blocks the window.
  void PressMainWindow() const {
    screen->Click(mainWindow, BoardReader::CellCentreX(0), BoardReader::CellCentreY(0));
  }

  // START, then a tile slid into the empty cell. The question asked and answered NO in
  // between is handled after START, so the board read after it is the dealt one.
  ::testing::AssertionResult PlaysAMove() const {
    screen->Click(mainWindow, kStartButton.CentreX(), kStartButton.CentreY());
    const auto question = AskToExit();
    if (!question || !Answer(*question, kNoButton)) {
      return ::testing::AssertionFailure() << "the exit question did not come and go";
    }
    std::optional<int> empty;
    if (!WaitUntil([&] { return (empty = EmptyCell()).has_value(); })) {
      return ::testing::AssertionFailure() << "the dealt board is never drawn whole";
    }
    const int from = *empty % fifteen::kSide > 0 ? *empty - 1 : *empty + 1;
    screen->Click(mainWindow, BoardReader::CellCentreX(from), BoardReader::CellCentreY(from));
    if (!WaitUntil([&] { return EmptyCell() == from; })) {
      return ::testing::AssertionFailure() << "the tile in cell " << from << " did not slide";
    }
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult ExitsWithStatusZero() {
    const auto question = AskToExit();
    if (!question) return ::testing::AssertionFailure() << "EXIT asked no question";
    screen->Click(question->id, kYesOrOkButton.CentreX(), kYesOrOkButton.CentreY());
    const auto status = game.WaitForExit();
    if (!status || !WIFEXITED(*status) || WEXITSTATUS(*status) != 0) {
      return ::testing::AssertionFailure() << "YES did not end the game with status 0";
    }
    return ::testing::AssertionSuccess();
  }

  // A beep that plays until it is ended.
  ::testing::AssertionResult StartALongBeep() {
    if (!AskToExit()) return ::testing::AssertionFailure() << "EXIT asked no question";
    PressMainWindow();
    if (!game.WaitForCalls("aplay", 1)) return ::testing::AssertionFailure() << "no beep";
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult NothingOfTheRunLeft(std::chrono::milliseconds within) const {
    if (WaitUntil([this] { return game.LiveProcessesOfThisRun().empty(); }, within)) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "still running: " << Join(game.LiveProcessesOfThisRun());
  }

  std::optional<XvfbProcess> server;
  std::optional<RemoteScreen> screen;
  ProgramProcess game{TESSARIN_BINARY, TESSARIN_SOURCE_DIR};
  Window mainWindow = 0;
};

TEST_F(OutsideFaults, AKilledServerEndsTheGameAtOnceWithStatusOneAndOneLine) {
  ASSERT_TRUE(UseOwnServer());
  game.ReplaceStandIn("aplay", "exec sleep 20");
  ASSERT_TRUE(StartGame());
  ASSERT_TRUE(StartALongBeep());
  // This test's own connection would break with the server too.
  screen.reset();
  const auto killedAt = std::chrono::steady_clock::now();
  server->Stop();
  const auto status = game.WaitForExit();
  const auto took = std::chrono::steady_clock::now() - killedAt;

  ASSERT_TRUE(status.has_value()) << "the game hangs without its server";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
  EXPECT_EQ(WEXITSTATUS(*status), 1);
  EXPECT_LT(took, std::chrono::seconds(1));
  // For docs/RELIABILITY.md, through --gtest_output=xml.
  RecordProperty(
      "EndedAfterMs",
      std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
  const std::string errors = game.ErrorOutput();
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  EXPECT_EQ(LinesHolding(errors, "X server " + server->DisplayName()), 1u) << errors;
  EXPECT_TRUE(NothingOfTheRunLeft(std::chrono::seconds(2))) << "the beep outlived the game";
}

// With its cookie gone the game can open no second connection to its server. A hint needs
// none: it slides its tile by itself, and the keys that open windows slide nothing.
TEST_F(OutsideFaults, AHintComesWhenTheAuthorityFileIsGoneAndF1AndF2SlideNothing) {
  TempDirectory folder;
  const std::string cookie = folder.File("cookie");
  WriteCookieForAnyDisplay(cookie);
  // This test's own connection needs the cookie as well.
  const EnvironmentScope authority("XAUTHORITY", cookie);
  ASSERT_TRUE(UseOwnServer({"-auth", cookie}));
  ASSERT_TRUE(screen->IsOpen());
  game.SetEnvironment("XAUTHORITY=" + cookie);
  ASSERT_TRUE(StartGame());
  ASSERT_EQ(std::remove(cookie.c_str()), 0);

  // The dealt board keeps the empty cell last; the hint's tile comes from beside it.
  screen->Click(mainWindow, kStartButton.CentreX(), kStartButton.CentreY());
  screen->Focus(mainWindow);
  screen->TypeKey(XK_h);
  std::optional<int> empty;
  ASSERT_TRUE(WaitUntil([&] { return (empty = EmptyCell()) && *empty != kOrderedEmptyCell; },
                        std::chrono::minutes(1)))
      << "H slid no tile";
  // Each window opens and is closed again, so that the board can be read whole.
  for (const auto& [key, title] : {std::pair{XK_F1, "Keys"}, std::pair{XK_F2, "Statistics"}}) {
    screen->Focus(mainWindow);
    screen->TypeKey(key);
    const auto opened =
        screen->WaitForWindow([&](const WindowFacts& facts) { return facts.name == title; });
    ASSERT_TRUE(opened.has_value()) << title;
    screen->Focus(opened->id);
    screen->TypeKey(XK_Escape);
    ASSERT_TRUE(screen->WaitUntilGone(opened->id)) << title;
    EXPECT_TRUE(WaitUntil([&] { return EmptyCell().has_value(); })) << title;
    EXPECT_EQ(EmptyCell(), empty) << title << " slid a tile";
  }
}

class TerminationSignal : public OutsideFaults, public ::testing::WithParamInterface<int> {};

// The stand-in player is a shell that waits for a child of its own, as a player run through a
// wrapper script is: ending the shell alone would leave the child playing.
constexpr char kPlayerWithAChild[] = "sleep 20";

TEST_P(TerminationSignal, EndsTheSoundsAndTheGameWithStatus128PlusTheSignal) {
  UseSuiteServer();
  game.ReplaceStandIn("aplay", kPlayerWithAChild);
  ASSERT_TRUE(StartGame());
  ASSERT_TRUE(StartALongBeep());
  ASSERT_EQ(kill(game.Pid(), GetParam()), 0);
  const auto status = game.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "the game did not end";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
  EXPECT_EQ(WEXITSTATUS(*status), 128 + GetParam());
  EXPECT_TRUE(NothingOfTheRunLeft(waiting::kDeadline)) << "the beep outlived the game";
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignal, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(sigabbrev_np(info.param));
                         });

// The beep's child carries the game's name, so what signals every process of that name
// (killall, kill $(pidof tessarin)) may reach it before the game.
enum class Ending { SignalToTheBeepFirst, ExitAndYes };

class EndingWhileABeepPlays : public OutsideFaults, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingWhileABeepPlays, LeavesNoProcessOfTheRun) {
  UseSuiteServer();
  game.ReplaceStandIn("aplay", kPlayerWithAChild);
  ASSERT_TRUE(StartGame());
  const auto question = AskToExit();
  ASSERT_TRUE(question.has_value());
  PressMainWindow();
  ASSERT_TRUE(game.WaitForCalls("aplay", 1));
  int expectedStatus = 0;
  if (GetParam() == Ending::SignalToTheBeepFirst) {
    const std::vector<pid_t> beeps = game.LiveChildren();
    ASSERT_EQ(beeps.size(), 1u);
    ASSERT_EQ(kill(beeps.front(), SIGTERM), 0);
    // Once the game has reaped it, its table no longer holds the beep.
    ASSERT_TRUE(
        WaitUntil([this] { return game.LiveChildren().empty() && game.ZombieChildren().empty(); }));
    ASSERT_EQ(kill(game.Pid(), SIGTERM), 0);
    expectedStatus = 128 + SIGTERM;
  } else {
    screen->Click(question->id, kYesOrOkButton.CentreX(), kYesOrOkButton.CentreY());
  }
  const auto status = game.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "the game did not end";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
  EXPECT_EQ(WEXITSTATUS(*status), expectedStatus);
  EXPECT_TRUE(NothingOfTheRunLeft(waiting::kDeadline)) << "the beep outlived the game";
}

INSTANTIATE_TEST_SUITE_P(Faults, EndingWhileABeepPlays,
                         ::testing::Values(Ending::SignalToTheBeepFirst, Ending::ExitAndYes),
                         [](const ::testing::TestParamInfo<Ending>& info) {
                           return info.param == Ending::SignalToTheBeepFirst
                                      ? "SignalToTheBeepFirst"
                                      : "ExitAndYes";
                         });

// Another client destroys a window of the game, as xdotool windowclose does: a companion or a
// dialog is closed as by the window manager, and the game plays on.
enum class Destroyed { Statistics, ExitQuestion };

class DestroyedFromOutside : public OutsideFaults,
                             public ::testing::WithParamInterface<Destroyed> {};

TEST_P(DestroyedFromOutside, TheWindowIsClosedAndTheGamePlaysOn) {
  UseSuiteServer();
  ASSERT_TRUE(StartGame());
  const auto destroyed = GetParam() == Destroyed::Statistics ? OpenStatistics() : AskToExit();
  ASSERT_TRUE(destroyed.has_value());
  screen->DestroyWindow(destroyed->id);
  if (GetParam() == Destroyed::Statistics) {
    const auto again = OpenStatistics();
    ASSERT_TRUE(again.has_value()) << "F2 opened no statistics window again";
    EXPECT_NE(again->id, destroyed->id);
    // It stands over the buttons.
    screen->SendCloseRequest(again->id);
    ASSERT_TRUE(screen->WaitUntilGone(again->id));
  }
  EXPECT_TRUE(PlaysAMove());
  EXPECT_TRUE(ExitsWithStatusZero());
}

INSTANTIATE_TEST_SUITE_P(Faults, DestroyedFromOutside,
                         ::testing::Values(Destroyed::Statistics, Destroyed::ExitQuestion),
                         [](const ::testing::TestParamInfo<Destroyed>& info) {
                           return info.param == Destroyed::Statistics ? "Statistics"
                                                                      : "ExitQuestion";
                         });

// The search for a hint and a beep may still be at work when the window goes: the game ends
// them both before it leaves.
TEST_F(OutsideFaults, TheMainWindowDestroyedFromOutsideEndsTheGameWithStatusOneAndOneLine) {
  UseSuiteServer();
  game.ReplaceStandIn("aplay", kPlayerWithAChild);
  ASSERT_TRUE(StartGame());
  screen->Click(mainWindow, kStartButton.CentreX(), kStartButton.CentreY());
  screen->Focus(mainWindow);
  screen->TypeKey(XK_h);
  ASSERT_TRUE(StartALongBeep());
  screen->DestroyWindow(mainWindow);
  const auto status = game.WaitForExit();
  ASSERT_TRUE(status.has_value()) << "the game runs on without its window";
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
  EXPECT_EQ(WEXITSTATUS(*status), 1);
  EXPECT_EQ(game.ErrorOutput(), "tessarin: the main window was destroyed\n");
  EXPECT_TRUE(NothingOfTheRunLeft(waiting::kDeadline)) << "the beep outlived the game";
}

enum class Folder { ReadOnly, DataIsAFile };

class UnwritableFolder : public OutsideFaults, public ::testing::WithParamInterface<Folder> {};

// The server lacks the fonts the game asks for first, so that the run logs a line.
TEST_P(UnwritableFolder, TheGameStartsPlaysAndStillLogsToStandardOutput) {
  const std::string oldLog = "a line from an earlier run\n";
  if (GetParam() == Folder::ReadOnly) {
    if (!ReadOnlyViewHolds(game.WorkDir())) GTEST_SKIP() << kNoReadOnlyView;
    game.WriteWorkFile("log.txt", oldLog);
    game.MakeWorkDirReadOnly();
  } else {
    game.RemoveBeepFile();
    ASSERT_EQ(rmdir(game.WorkPath("Data").c_str()), 0);
    game.WriteWorkFile("Data", "not a folder\n");
  }
  ASSERT_TRUE(UseOwnServer({"-fp", "built-ins"}));
  ASSERT_TRUE(StartGame());
  EXPECT_TRUE(PlaysAMove());
  ASSERT_TRUE(ExitsWithStatusZero());

  const std::string output = game.StandardOutput();
  EXPECT_NE(output.find(kFontFailure), std::string::npos) << output;
  if (GetParam() == Folder::ReadOnly) {
    EXPECT_EQ(game.ReadWorkFile("log.txt"), oldLog);
  } else {
    EXPECT_EQ(game.ReadWorkFile("log.txt"), output);
    EXPECT_EQ(game.ReadWorkFile("Data"), "not a folder\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, UnwritableFolder,
                         ::testing::Values(Folder::ReadOnly, Folder::DataIsAFile),
                         [](const ::testing::TestParamInfo<Folder>& info) {
                           return info.param == Folder::ReadOnly ? "ReadOnly" : "DataIsAFile";
                         });

enum class Fonts { OnlyFixed, NoFont };

class MissingFonts : public OutsideFaults, public ::testing::WithParamInterface<Fonts> {};

// The server's built-in fonts are "fixed" and the cursors; a font folder that lists no font
// takes even those away.
TEST_P(MissingFonts, TheBoardAndTheButtonsAreDrawnAndTheGamePlays) {
  ASSERT_TRUE(UseOwnServer({"-fp", "built-ins"}));
  TempDirectory emptyFonts;
  if (GetParam() == Fonts::NoFont) {
    WriteFileText(emptyFonts.File("fonts.dir"), "0\n");
    ASSERT_TRUE(screen->SetFontPath({emptyFonts.Path()}));
  }
  ASSERT_TRUE(StartGame());
  const Area start = CaptionOf(kStartButton);
  const auto caption = screen->Grab(mainWindow, start.x, start.y, start.width, start.height);
  ASSERT_TRUE(caption.has_value());
  if (GetParam() == Fonts::OnlyFixed) {
    EXPECT_GT(caption->Count(kWhite), 0) << "START is not written in fixed";
  } else {
    EXPECT_EQ(caption->CountOtherThan(kRed), 0) << "text drawn without a font";
  }
  EXPECT_TRUE(PlaysAMove());
  // Asked once: a failed font is not loaded again at every paint.
  const std::string output = game.StandardOutput();
  const std::size_t first = output.find(kFontFailure);
  EXPECT_NE(first, std::string::npos);
  EXPECT_EQ(output.find(kFontFailure, first + 1), std::string::npos) << output;
  EXPECT_TRUE(ExitsWithStatusZero());
}

INSTANTIATE_TEST_SUITE_P(Faults, MissingFonts, ::testing::Values(Fonts::OnlyFixed, Fonts::NoFont),
                         [](const ::testing::TestParamInfo<Fonts>& info) {
                           return info.param == Fonts::OnlyFixed ? "OnlyFixed" : "NoFont";
                         });

enum class Player { Missing, Failing };

class BrokenPlayer : public OutsideFaults, public ::testing::WithParamInterface<Player> {};

TEST_P(BrokenPlayer, EachBeepTriesOnceAndTheGameGoesOn) {
  UseSuiteServer();
  if (GetParam() == Player::Missing) {
    game.MakeProgramMissing("aplay");
  } else {
    game.ReplaceStandIn("aplay", "exit 1");
  }
  ASSERT_TRUE(StartGame());
  const auto question = AskToExit();
  ASSERT_TRUE(question.has_value());
  // Every try leaves a trace: the stand-in records its call; for a missing program the shell
  // says so on the game's standard error. One beep at a time, so that no two shells write
  // their complaints into each other.
  const auto tries = [this] {
    return GetParam() == Player::Missing ? LinesHolding(game.ErrorOutput(), "aplay: not found")
                                         : game.CallsOf("aplay").size();
  };
  constexpr std::size_t kBeeps = 3;
  for (std::size_t i = 1; i <= kBeeps; ++i) {
    PressMainWindow();
    ASSERT_TRUE(WaitUntil([&] { return tries() >= i; })) << "beep " << i << " was never tried";
  }
  // With no child of the game left, nothing can try again: the count is final.
  ASSERT_TRUE(
      WaitUntil([this] { return game.LiveChildren().empty() && game.ZombieChildren().empty(); }));
  EXPECT_EQ(tries(), kBeeps);

  ASSERT_TRUE(Answer(*question, kNoButton));
  EXPECT_TRUE(PlaysAMove());
  EXPECT_TRUE(ExitsWithStatusZero());
}

INSTANTIATE_TEST_SUITE_P(Faults, BrokenPlayer, ::testing::Values(Player::Missing, Player::Failing),
                         [](const ::testing::TestParamInfo<Player>& info) {
                           return info.param == Player::Missing ? "Missing" : "Failing";
                         });

}  // namespace
