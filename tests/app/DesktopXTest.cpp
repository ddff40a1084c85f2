// The game as a desktop meets it: installed with cmake --install into a scratch prefix and
// started through its launcher from another folder, and run under a real window manager
// (Debian's openbox on the private X server), where its dialogs must stay with their owner;
// and the gallery installed beside it.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/BoardReader.h"
#include "support/GameLayout.h"
#include "support/OpenboxProcess.h"
#include "support/ProgramE2E.h"
#include "support/ProgramProcess.h"
#include "support/RemoteScreen.h"
#include "support/TempDirectory.h"
#include "support/Waiting.h"

using namespace tessarin;

namespace {

using waiting::WaitUntil;

struct Spot {
  int x;
  int y;
};

// Centres of the buttons, and points that show a window has been drawn.
constexpr Spot kInfoButton{450, 169};
constexpr Spot kExitButton{450, 239};
constexpr Spot kYesButton{185, 124};
constexpr Spot kStartFill{402, 192};
constexpr Spot kMessageLabel{12, 12};
constexpr Spot kAboutOkTop{399, 173};
constexpr unsigned long kRed = 0xFF0000;
constexpr unsigned long kLabelGrey = 0xB7B7B7;
constexpr unsigned long kWhite = 0xFFFFFF;

std::string LinkTarget(const std::string& path) {
  char target[4096];
  const ssize_t length = readlink(path.c_str(), target, sizeof target - 1);
  return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : "";
}

unsigned FolderMode(const std::string& path) {
  struct stat facts {};
  return stat(path.c_str(), &facts) == 0 && S_ISDIR(facts.st_mode) ? facts.st_mode & 07777 : 0;
}

std::string HostName() {
  char host[256] = {};
  return gethostname(host, sizeof host - 1) == 0 ? host : "";
}

// Installs the build into the folder, as a user does from source.
::testing::AssertionResult InstallInto(const TempDirectory& prefix) {
  const std::string log = prefix.File("install.log");
  const std::string command = std::string("'") + TESSARIN_CMAKE + "' --install '" +
                              TESSARIN_BUILD_DIR + "' --prefix '" + prefix.Path() + "' >'" + log +
                              "' 2>&1";
  if (std::system(command.c_str()) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "cmake --install failed:\n" << FileText(log);
}

class Desktop : public ProgramE2E {
 protected:
  ProgramProcess* Program() override { return game.get(); }

  void TearDown() override {
    ProgramE2E::TearDown();
    openbox.Stop();
  }

  // The main window once the START button is drawn.
  std::optional<WindowFacts> WaitForMainWindow() const {
    const auto main = screen.WaitForWindow([](const WindowFacts& facts) {
      return facts.className == "Tessarin.exe" && facts.name.rfind("Tessarin - ", 0) == 0 &&
             !facts.isDialog;
    });
    if (!main || !WaitUntil([&] { return PixelAt(main->id, kStartFill) == kRed; })) {
      return std::nullopt;
    }
    return main;
  }

  std::optional<WindowFacts> WaitForDialog(const std::string& title, Spot drawnAt,
                                           unsigned long drawnColour) const {
    const auto dialog = screen.WaitForWindow(
        [&](const WindowFacts& facts) { return facts.isDialog && facts.name == title; });
    if (!dialog || !WaitUntil([&] { return PixelAt(dialog->id, drawnAt) == drawnColour; })) {
      return std::nullopt;
    }
    return dialog;
  }

  unsigned long PixelAt(Window window, Spot spot) const {
    return screen.PixelAt(window, spot.x, spot.y);
  }

  void ClickAt(Window window, Spot spot) const { screen.Click(window, spot.x, spot.y); }

  // Clicks YES in the exit question; the game must end with status 0.
  ::testing::AssertionResult AnswerYesAndEnd(Window question) {
    ClickAt(question, kYesButton);
    const auto status = game->WaitForExit();
    if (status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the game did not end with status 0";
  }

  std::unique_ptr<ProgramProcess> game;
  OpenboxProcess openbox;
};

// The launcher alone, on a display no server listens on, so that the game stops at once
// after the launcher made its folder: where it makes the state folder and how it keeps the
// sound link.
TEST_F(Desktop, LauncherMakesThePrivateStateFolderAndRenewsAStaleSoundLink) {
  TempDirectory prefix, home, stateHome, work;
  ASSERT_TRUE(InstallInto(prefix));
  const std::string launcher = prefix.File("bin/tessarin");
  const std::string sound = prefix.File("share/tessarin/beep.wav");
  ASSERT_EQ(mkdir(stateHome.File("tessarin").c_str(), 0755), 0);
  ASSERT_EQ(mkdir(stateHome.File("tessarin/Data").c_str(), 0755), 0);
  ASSERT_EQ(symlink("/an/old/prefix/beep.wav", stateHome.File("tessarin/Data/beep.wav").c_str()),
            0);

  struct Case {
    std::string environment;
    std::string state;
  };
  const std::vector<Case> cases = {
      {"HOME='" + home.Path() + "' XDG_STATE_HOME='" + stateHome.Path() + "'",
       stateHome.File("tessarin")},
      // A relative XDG_STATE_HOME counts as none.
      {"HOME='" + home.Path() + "' XDG_STATE_HOME=relative", home.File(".local/state/tessarin")},
  };
  for (const Case& test : cases) {
    const std::string command = "cd '" + work.Path() + "' && env -u XDG_STATE_HOME DISPLAY=:4097 " +
                                test.environment + " '" + launcher + "' >'" +
                                prefix.File("out.txt") + "'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command;
    EXPECT_EQ(FileText(prefix.File("out.txt")), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(FileText(test.state + "/log.txt"), "XOpenDisplay(0) failed.\n");
    EXPECT_EQ(LinkTarget(test.state + "/Data/beep.wav"), sound) << test.state;
  }
  EXPECT_EQ(FolderMode(home.File(".local/state/tessarin")), 0700u);
  EXPECT_TRUE(FolderEntries(work.Path()).empty()) << "the launcher wrote into its folder";
}

TEST_F(Desktop, InstalledLauncherPlaysInTheStateFolderAndTheWindowTellsWhoItIs) {
  TempDirectory prefix, home, stateHome;
  ASSERT_TRUE(InstallInto(prefix));
  game = std::make_unique<ProgramProcess>(
      prefix.File("bin/tessarin"),
      std::vector<std::string>{"HOME=" + home.Path(), "XDG_STATE_HOME=" + stateHome.Path()});
  ASSERT_TRUE(game->Start());
  const auto main = WaitForMainWindow();
  ASSERT_TRUE(main.has_value()) << "the installed game showed no window";

  const std::string state = stateHome.File("tessarin");
  EXPECT_EQ(FolderMode(state), 0700u);
  EXPECT_EQ(LinkTarget(state + "/Data/beep.wav"), prefix.File("share/tessarin/beep.wav"));
  EXPECT_TRUE(FolderEntries(game->WorkPath("")).empty()) << "the game wrote into its folder";
  EXPECT_TRUE(FolderEntries(home.Path()).empty()) << "the game wrote into HOME";

  const Window window = main->id;
  EXPECT_EQ(screen.Cardinals(window, "_NET_WM_PID"),
            (std::vector<unsigned long>{static_cast<unsigned long>(game->Pid())}));
  EXPECT_EQ(screen.Text(window, "WM_CLIENT_MACHINE"), HostName());
  std::string type;
  EXPECT_EQ(screen.Text(window, "_NET_WM_NAME", &type), main->name);
  EXPECT_EQ(type, "UTF8_STRING");
  EXPECT_EQ(screen.Text(window, "_NET_WM_ICON_NAME", &type), "Tessarin.exe");
  EXPECT_EQ(type, "UTF8_STRING");
  const auto hints = screen.WmHints(window);
  ASSERT_TRUE(hints.has_value());
  EXPECT_TRUE((hints->flags & InputHint) && hints->input);
  const auto sizes = screen.NormalHints(window);
  ASSERT_TRUE(sizes.has_value());
  EXPECT_EQ(sizes->min_width, 800);
  EXPECT_EQ(sizes->max_height, 600);
  // Two pictures, 16 and 48 pixels square, each width, height and its pixels.
  const auto icon = screen.Cardinals(window, "_NET_WM_ICON");
  ASSERT_EQ(icon.size(), 2u + 16 * 16 + 2 + 48 * 48);
  EXPECT_EQ(icon[0], 16u);
  EXPECT_EQ(icon[1], 16u);
  EXPECT_EQ(icon[2 + 16 * 16], 48u);
  EXPECT_EQ(icon[3 + 16 * 16], 48u);

  ClickAt(window, kExitButton);
  const auto question = WaitForDialog("Exit", kMessageLabel, kLabelGrey);
  ASSERT_TRUE(question.has_value()) << "EXIT asked no question";
  EXPECT_EQ(screen.TransientFor(question->id), window);
  EXPECT_TRUE(AnswerYesAndEnd(question->id));
  EXPECT_TRUE(FolderEntries(game->WorkPath("")).empty());
}

TEST_F(Desktop, UnderOpenboxTheDialogsStayOverTheirOwnerAndTakeTheKeyboard) {
  ASSERT_TRUE(openbox.Start(screen));
  game = std::make_unique<ProgramProcess>(TESSARIN_BINARY, TESSARIN_SOURCE_DIR);
  ASSERT_TRUE(game->Start());
  const auto main = WaitForMainWindow();
  ASSERT_TRUE(main.has_value()) << "no main window under openbox";
  // Its hints ask for input, and openbox gives it the keyboard.
  const auto hints = screen.WmHints(main->id);
  ASSERT_TRUE(hints.has_value());
  EXPECT_TRUE((hints->flags & InputHint) && hints->input);
  EXPECT_TRUE(WaitUntil([&] { return screen.FocusedWindow() == main->id; }));
  const Spot tile{BoardReader::CellCentreX(0), BoardReader::CellCentreY(0)};

  // Owned, placed over the owner, above it, focused; a press on the blocked owner only beeps
  // and leaves the dialog on top.
  const auto checkDialog = [&](const WindowFacts& dialog, std::size_t beeps) {
    EXPECT_EQ(screen.TransientFor(dialog.id), main->id) << dialog.name;
    EXPECT_TRUE(dialog.isDialog) << dialog.name;
    EXPECT_GE(dialog.x, main->x) << dialog.name;
    EXPECT_GE(dialog.y, main->y) << dialog.name;
    EXPECT_LE(dialog.x + dialog.width, main->x + main->width) << dialog.name;
    EXPECT_LE(dialog.y + dialog.height, main->y + main->height) << dialog.name;
    EXPECT_TRUE(screen.IsAbove(dialog.id, main->id)) << dialog.name;
    EXPECT_TRUE(WaitUntil([&] { return screen.FocusedWindow() == dialog.id; }))
        << dialog.name << " did not get the keyboard";
    ClickAt(main->id, tile);
    EXPECT_TRUE(game->WaitForCalls("aplay", beeps)) << "a press beside " << dialog.name;
    EXPECT_TRUE(WaitUntil([&] { return screen.IsAbove(dialog.id, main->id); }))
        << dialog.name << " went below its owner";
  };

  ClickAt(main->id, kInfoButton);
  const auto about = WaitForDialog("Info...", kAboutOkTop, kWhite);
  ASSERT_TRUE(about.has_value()) << "INFO opened no About window";
  checkDialog(*about, 1);
  // The press gave the owner the keyboard, and raising the dialog took it back: Return closes
  // the dialog and opens no other in its place.
  EXPECT_TRUE(WaitUntil([&] { return screen.FocusedWindow() == about->id; }))
      << "the raised About window did not take the keyboard";
  screen.TypeKey(XK_Return);
  ASSERT_TRUE(screen.WaitUntilGone(about->id)) << "Return did not reach the About window";
  // The game and the window manager hand the keyboard back to the owner; a press that comes
  // while the window manager is still doing so may never reach the game.
  EXPECT_TRUE(WaitUntil([&] { return screen.FocusedWindow() == main->id; }));
  EXPECT_TRUE(WaitUntil([&] { return screen.ActiveWindow() == main->id; }));

  // Where openbox leaves no room beside the main window, the statistics window still stands
  // over nothing the main window shows: no tile, button, picture or the flag in its corner.
  screen.TypeKey(XK_F2);
  const auto stats =
      screen.WaitForWindow([](const WindowFacts& facts) { return facts.name == "Statistics"; });
  ASSERT_TRUE(stats.has_value()) << "F2 opened no statistics window";
  const XPoint at = screen.Translate(stats->id, main->id, 0, 0);
  namespace layout = game_layout;
  for (const layout::Area& shown : {layout::kBoard, layout::kInfoButton, layout::kStartButton,
                                    layout::kExitButton, layout::kTitlePicture, layout::kFlag}) {
    EXPECT_TRUE(shown.x + shown.width <= at.x || shown.x >= at.x + stats->width ||
                shown.y + shown.height <= at.y || shown.y >= at.y + stats->height)
        << "the statistics window at " << at.x << "," << at.y << " covers the area at " << shown.x
        << "," << shown.y;
  }
  EXPECT_TRUE(WaitUntil([&] { return screen.FocusedWindow() == stats->id; }));
  screen.TypeKey(XK_Escape);
  ASSERT_TRUE(screen.WaitUntilGone(stats->id));
  EXPECT_TRUE(WaitUntil([&] { return screen.ActiveWindow() == main->id; }));
  ClickAt(main->id, kExitButton);
  const auto question = WaitForDialog("Exit", kMessageLabel, kLabelGrey);
  ASSERT_TRUE(question.has_value()) << "EXIT asked no question";
  checkDialog(*question, 2);
  EXPECT_TRUE(AnswerYesAndEnd(question->id));
}

// The gallery installed beside the game: its launcher gives it a subfolder of the state
// folder with the samples copied in and the sound linked, and there it shows its pictures
// and keeps its score table.
TEST_F(Desktop, InstalledGalleryWorksInItsOwnStateSubfolderWithTheSamplesCopiedIn) {
  TempDirectory prefix, home, stateHome;
  ASSERT_TRUE(InstallInto(prefix));
  game = std::make_unique<ProgramProcess>(
      prefix.File("bin/tessarin-gallery"),
      std::vector<std::string>{"HOME=" + home.Path(), "XDG_STATE_HOME=" + stateHome.Path()});
  ASSERT_TRUE(game->Start());
  const auto gallery = screen.WaitForWindow(
      [](const WindowFacts& facts) { return facts.name == "Tessarin gallery"; });
  ASSERT_TRUE(gallery.has_value()) << "the installed gallery showed no window";

  const std::string state = stateHome.File("tessarin/gallery");
  EXPECT_EQ(FolderMode(stateHome.File("tessarin")), 0700u);
  EXPECT_EQ(FolderMode(state), 0700u);
  EXPECT_EQ(LinkTarget(state + "/Data/beep.wav"), prefix.File("share/tessarin/beep.wav"));
  // The samples are copies, as the gallery reads no picture through a link.
  for (const char* name : {"gallery-24bit.bmp", "gallery-8bit.bmp", "gallery-4bit.bmp"}) {
    EXPECT_EQ(LinkTarget(state + "/Data/" + name), "") << name;
    EXPECT_EQ(FileText(state + "/Data/" + name), FileText(prefix.File("share/tessarin/") + name));
  }
  // The 4-bit sample, read when the window is built, is exported as C source beside it.
  EXPECT_TRUE(WaitUntil([&] { return FileText(state + "/Data/gallery-4bit.bmp.c").size() > 0; }));
  EXPECT_TRUE(FolderEntries(game->WorkPath("")).empty()) << "the gallery wrote into its folder";
  EXPECT_TRUE(FolderEntries(home.Path()).empty()) << "the gallery wrote into HOME";

  screen.SendCloseRequest(gallery->id);
  const auto status = game->WaitForExit();
  ASSERT_TRUE(status.has_value()) << "closing the window did not end the gallery";
  EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << *status;
}

}  // namespace
