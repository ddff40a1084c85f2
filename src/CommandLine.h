// The command line of the tessarin program: --help, --version, or nothing to play. Read by
// the program entry before anything else happens, so that asking for help touches neither
// the display nor the files of the working directory. Owns nothing.
#pragma once

#include <cstdio>
#include <optional>

// Prints what the arguments ask for and returns the exit status when the program should stop
// there (0 for --help and --version, 2 for anything it does not know, with the usage on
// errors); returns nothing when the game should start.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* errors);
