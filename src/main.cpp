// Tessarin: the sliding fifteen puzzle.
//
// Start here. The entry point clears the last run's log, opens the display through the
// Application (app/), builds the main window FormMain (game/), and runs the one event loop
// (app/EventLoop) until the player confirms leaving.
//
// The layers read bottom-up, each a folder that includes only the ones below it:
//   util/       text, date, file helpers and the log; no X
//   graphics/   the Painter, the only code that draws, on any display and drawable it is given
//   app/, framework/   the Application with its registries and event loop; the elements:
//               GUIElement, Child, Form, Timer
//   widgets/    what draws itself in a form: Widget and the buttons, cells, pictures, panels
//   dialogs/    windows that block their owner: ModalDialog, the message box, the About window
//   game/       the puzzle rules, the main window, the sound player and the pictures
//   main.cpp    this file
#include <cassert>
#include <cstdio>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "app/Application.h"
#include "app/EventLoop.h"
#include "app/ExitHandlers.h"
#include "game/FormMain.h"
#include "game/GameInfo.h"
#include "util/FileUtils.h"
#include "util/Log.h"

namespace {

constexpr ProgramUsage kGameUsage{
    "tessarin",
    "The sliding fifteen puzzle for X11. Without an option it opens the game window on the\n"
    "display named by DISPLAY, working in the current directory.",
    "  Left Right Up Down  during a game, slide the tile on the far side of the gap\n"
    "                      into it: Left moves the tile right of the gap to the left\n"
    "  W A S D             the same as Up, Left, Down and Right\n"
    "  Tab                 move the focus to the next button\n"
    "  Return              press the focused button; in a message box, answer\n"
    "  Escape, Delete      close the About window, as Return does\n"};

}  // namespace

int main(int argc, char** argv) {
  if (auto status = HandleCommandLine(kGameUsage, argc, argv, stdout, stderr)) return *status;
  InstallExitHandlers();
  if (FileExists("log.txt")) RemoveFile("log.txt");

  const std::string title = WindowTitle();
  auto application = std::make_unique<Application>(title.c_str());
  if (application->GetDisplay() == nullptr) return 1;

  auto mainForm = std::make_unique<FormMain>(application.get(), title);
  RunEventLoop(mainForm.get());
  mainForm.reset();
  // Every element unregisters itself when destroyed; anything left here was leaked.
  assert(Application::Elements().empty() && Application::Forms().empty() &&
         Application::Timers().empty());

  if (!application->Close()) Log("Chiusura screen non riuscita");
  return 0;
}
