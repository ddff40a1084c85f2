// The whole life of a program built on the toolkit, from its command line to its exit status,
// shared by the game and the gallery: each entry states only its usage text, its window title
// and how to build its main window.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "tessarin/app/CommandLine.h"

namespace tessarin {

class Application;
class Form;

// Builds the program's main window on the open connection; the window shows itself.
using MainFormFactory =
    std::function<std::unique_ptr<Form>(Application* application, const std::string& title)>;

// Answers --help and --version, prepares the process, clears the last run's log, opens the
// display, builds the main window and runs the event loop until the program is asked to end.
// Returns the exit status: the command line's, 1 when the display does not open or another
// client destroyed the main window (with one line on standard error), else 0.
int RunMainForm(const ProgramUsage& usage, const std::string& title,
                const MainFormFactory& makeMainForm, int argc, const char* const* argv);

// The steps every program takes before it touches the display or its files: the handlers that
// end it cleanly from outside. The one place to add such a step.
void PrepareProcess(const ProgramUsage& usage);

}  // namespace tessarin
