// Tessarin: the sliding fifteen puzzle.
//
// Start here. The entry point clears the last run's log, opens the display through the
// Application (app/), builds the main window FormMain (game/), and runs the one event loop
// (app/EventLoop) until the player confirms leaving. Everything on screen is a GUIElement
// (framework/) drawn through a Painter (graphics/); the buttons and dialogs live in widgets/
// and dialogs/.
#include <cassert>
#include <cstdio>
#include <memory>
#include <string>

#include "CommandLine.h"
#include "app/Application.h"
#include "app/EventLoop.h"
#include "game/FormMain.h"
#include "game/GameInfo.h"
#include "util/FileUtils.h"
#include "util/Log.h"

int main(int argc, char** argv) {
  if (auto status = HandleCommandLine(argc, argv, stdout, stderr)) return *status;
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
