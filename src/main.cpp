// Tessarin: the sliding fifteen puzzle.
//
// Start here. The entry point names the game, its window title and its main window FormMain
// (game/); the toolkit's runner (app/MainFormRunner) does the rest: it answers --help, clears
// the last run's log, opens the display and runs the one event loop until the player confirms
// leaving.
//
// The layers read bottom-up, each a folder and a library that sees only the ones below it:
//   util/       tessarin_util: text, date, file helpers, the log and the score table; no X
//   graphics/   tessarin_graphics: the Painter, the only code that draws, fonts and pictures
//   framework/  tessarin_core: the elements (GUIElement, Child, Form, Timer) and their registry
//   app/        tessarin_core: the Application's X connection, the event loop, child programs
//   widgets/    tessarin_widgets: Widget and the buttons, cells, pictures, panels, text boxes
//   dialogs/    tessarin_dialogs: windows that block their owner, the message box, About
//   game/       tessarin_game: the puzzle rules, the main window, the sound player, pictures
//   main.cpp    this file
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "game/BestResults.h"
#include "game/FormMain.h"
#include "game/GameInfo.h"
#include "game/GameSettings.h"
#include "game/KeyTable.h"
#include "tessarin/app/MainFormRunner.h"

using namespace tessarin;

namespace {

constexpr ProgramOption kScoresOption{
    "--scores", "  --scores   print the best results (fewest moves, shortest time) and exit\n",
    PrintBestResults};

// The side `--size` asked for, for this run alone.
std::optional<int> sideForThisRun;

bool TakeSide(const char* value, std::FILE* errors) {
  sideForThisRun = ParseBoardSide(value);
  if (!sideForThisRun) {
    std::fprintf(errors, "tessarin: --size takes a side from %d to %d, not '%s'\n", kSmallestSide,
                 kLargestSide, value);
  }
  return sideForThisRun.has_value();
}

constexpr ProgramSetting kSizeSetting{
    "--size", "N",
    "  --size N   play on a board of N x N tiles (3 to 6) this time, without saving it\n",
    TakeSide};

// The keys come from the window's own table, when the program starts. Its windows' class,
// the log and the beep are the game's own since its first release.
constexpr ProgramUsage kGameUsage{
    {"tessarin", TESSARIN_VERSION, "Tessarin.exe", "Tessarin.exe", "log.txt", "Data/beep.wav"},
    "The sliding fifteen puzzle for X11. Without an option it opens the game window on the\n"
    "display named by DISPLAY, working in the current directory.",
    nullptr,
    &kScoresOption,
    &kSizeSetting};

}  // namespace

int main(int argc, char** argv) {
  const std::string keys = KeyTableText();
  ProgramUsage usage = kGameUsage;
  usage.keys = keys.c_str();
  return RunMainForm(
      usage, WindowTitle(),
      [](Application* application, const std::string& title) {
        GameSettings settings = LoadGameSettings();
        if (sideForThisRun) settings.side = *sideForThisRun;
        return std::make_unique<FormMain>(application, title, settings);
      },
      argc, argv);
}
