#include "tessarin/app/MainFormRunner.h"

#include <cassert>
#include <cstdio>

#include "tessarin/app/Application.h"
#include "tessarin/app/EventLoop.h"
#include "tessarin/app/ExitHandlers.h"
#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/app/XErrorLog.h"
#include "tessarin/framework/Form.h"
#include "tessarin/util/Log.h"

namespace tessarin {

namespace {

constexpr int kNoDisplayStatus = 1;
// As when the connection is lost (ExitHandlers.h): the program was ended from outside.
constexpr int kMainWindowDestroyedStatus = 1;

}  // namespace

void PrepareProcess(const ProgramUsage& usage) {
  InstallExitHandlers(usage.identity.name);
  IgnoreBrokenPipes();
  LogXErrorsAndGoOn();
}

int RunMainForm(const ProgramUsage& usage, const std::string& title,
                const MainFormFactory& makeMainForm, int argc, const char* const* argv) {
  if (auto status = HandleCommandLine(usage, argc, argv, stdout, stderr)) return *status;
  PrepareProcess(usage);
  SetProgramIdentity(usage.identity);

  auto application = std::make_unique<Application>(title.c_str());
  if (application->GetDisplay() == nullptr) return kNoDisplayStatus;

  std::unique_ptr<Form> mainForm = makeMainForm(application.get(), title);
  const LoopEnd end = RunEventLoop(mainForm.get());
  // Its destructor ends the threads it started (the game's hint search) before anything
  // static is destroyed.
  mainForm.reset();
  // A beep still playing ends with the program, as it does on a termination signal.
  EndBackgroundChildren();
  // Every element unregisters itself when destroyed; anything left here was leaked.
  assert(Application::Elements().empty() && Application::Forms().empty() &&
         Application::Timers().empty());

  if (!application->Close()) Log("Chiusura screen non riuscita");
  if (end == LoopEnd::MainWindowDestroyed) {
    std::fprintf(stderr, "%s: the main window was destroyed\n", usage.identity.name);
    return kMainWindowDestroyedStatus;
  }
  return 0;
}

}  // namespace tessarin
