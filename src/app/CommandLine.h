// The command line of the project's programs (the game and the gallery): --help, --version,
// an option of the program's own (the game's --scores), or nothing to open the window. Read by a
// program entry before anything else happens, so that asking for help touches neither the display
// nor the files of the working directory. Owns nothing; each program describes itself in a
// ProgramUsage of its own.
#pragma once

#include <cstdio>
#include <optional>

#include "tessarin/app/ProgramIdentity.h"

namespace tessarin {

// An option that a program answers in its own way, then ends.
struct ProgramOption {
  const char* name;
  // Its line in the options list, aligned with the others.
  const char* help;
  // Does what the option asks, printing to out and what went wrong to errors; returns the
  // exit status.
  int (*run)(std::FILE* out, std::FILE* errors);
};

// An option with a value that says how the program is to run this time, after which it starts:
// the game's "--size N".
struct ProgramSetting {
  const char* name;
  // What the value stands for in the usage line ("N").
  const char* valueName;
  const char* help;
  // Takes the value; false when the option does not accept it, with one line to errors.
  bool (*take)(const char* value, std::FILE* errors);
};

struct ProgramUsage {
  // Its command name and version, which --help and --version print, and the rest of who it is.
  ProgramIdentity identity;
  // What the program does, between the usage line and the options.
  const char* description;
  // The keys of the program's window, printed after the options; null for none.
  const char* keys = nullptr;
  // The program's own option; null for none.
  const ProgramOption* ownOption = nullptr;
  // The program's own setting for one run; null for none.
  const ProgramSetting* setting = nullptr;
};

// Prints what the arguments ask for and returns the exit status when the program should stop
// there (0 for --help and --version, the own option's status, 2 for anything it does not know, with
// the usage on errors, and for a setting's value it refuses); returns nothing when the program
// should start, a setting taken.
std::optional<int> HandleCommandLine(const ProgramUsage& program, int argc, const char* const* argv,
                                     std::FILE* out, std::FILE* errors);

}  // namespace tessarin
