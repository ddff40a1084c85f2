#include "CommandLine.h"

#include <cstring>

namespace {

constexpr int kUsageError = 2;

constexpr char kUsage[] =
    "Usage: tessarin [--help | --version]\n"
    "\n"
    "The sliding fifteen puzzle for X11. Without an option it opens the game window on the\n"
    "display named by DISPLAY, working in the current directory.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

bool Is(const char* argument, const char* option) {
  return std::strcmp(argument, option) == 0;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::FILE* out,
                                     std::FILE* errors) {
  if (argc <= 1) return std::nullopt;
  const bool knownFirst = Is(argv[1], "--help") || Is(argv[1], "--version");
  if (argc == 2 && knownFirst) {
    std::fputs(Is(argv[1], "--help") ? kUsage : "tessarin " TESSARIN_VERSION "\n", out);
    return 0;
  }
  // Options do not combine: whatever follows one is as unexpected as an unknown one.
  const char* unexpected = knownFirst ? argv[2] : argv[1];
  std::fprintf(errors, "tessarin: unexpected argument '%s'\n\n%s", unexpected, kUsage);
  return kUsageError;
}
