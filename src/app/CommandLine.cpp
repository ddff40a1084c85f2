#include "tessarin/app/CommandLine.h"

#include <cstring>

namespace tessarin {

namespace {

constexpr int kUsageError = 2;

constexpr char kOptions[] =
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n";

bool Is(const char* argument, const char* option) {
  return std::strcmp(argument, option) == 0;
}

bool IsOwnOption(const ProgramUsage& program, const char* argument) {
  return program.ownOption != nullptr && Is(argument, program.ownOption->name);
}

bool IsSetting(const ProgramUsage& program, const char* argument) {
  return program.setting != nullptr && Is(argument, program.setting->name);
}

void PrintUsage(const ProgramUsage& program, std::FILE* stream) {
  std::fprintf(stream, "Usage: %s [--help | --version", program.identity.name);
  if (program.ownOption != nullptr) std::fprintf(stream, " | %s", program.ownOption->name);
  if (program.setting != nullptr) {
    std::fprintf(stream, " | %s %s", program.setting->name, program.setting->valueName);
  }
  std::fprintf(stream, "]\n\n%s\n\n%s", program.description, kOptions);
  if (program.ownOption != nullptr) std::fprintf(stream, "%s", program.ownOption->help);
  if (program.setting != nullptr) std::fprintf(stream, "%s", program.setting->help);
  if (program.keys != nullptr) std::fprintf(stream, "\nKeys:\n%s", program.keys);
}

void PrintVersion(const ProgramIdentity& identity, std::FILE* out) {
  if (identity.version != nullptr) {
    std::fprintf(out, "%s %s\n", identity.name, identity.version);
  } else {
    std::fprintf(out, "%s\n", identity.name);
  }
}

}  // namespace

std::optional<int> HandleCommandLine(const ProgramUsage& program, int argc, const char* const* argv,
                                     std::FILE* out, std::FILE* errors) {
  if (argc <= 1) return std::nullopt;
  if (argc == 3 && IsSetting(program, argv[1])) {
    if (program.setting->take(argv[2], errors)) return std::nullopt;
    return kUsageError;
  }
  const bool ownFirst = IsOwnOption(program, argv[1]);
  const bool knownFirst = Is(argv[1], "--help") || Is(argv[1], "--version") || ownFirst;
  if (argc == 2 && knownFirst) {
    if (ownFirst) return program.ownOption->run(out, errors);
    if (Is(argv[1], "--help")) {
      PrintUsage(program, out);
    } else {
      PrintVersion(program.identity, out);
    }
    return 0;
  }
  // Options do not combine: whatever follows one is as unexpected as an unknown one.
  const char* unexpected = knownFirst ? argv[2] : argv[1];
  std::fprintf(errors, "%s: unexpected argument '%s'\n\n", program.identity.name, unexpected);
  PrintUsage(program, errors);
  return kUsageError;
}

}  // namespace tessarin
