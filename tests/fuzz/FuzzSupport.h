// What every fuzz target shares: a scratch working folder of its own (removed at exit) where
// the code under test may write its files and its log, and the loud check that turns a broken
// invariant into a crash libFuzzer reports. Test code only; each target owns its own checks.
#pragma once

#include <ftw.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "Broken invariant: %s\n", what);
  std::abort();
}

inline std::string& ScratchPath() {
  static std::string path;
  return path;
}

inline int RemoveEntry(const char* entry, const struct stat*, int, struct FTW*) {
  return std::remove(entry);
}

inline void RemoveScratch() {
  if (!ScratchPath().empty() && chdir("/") == 0)
    nftw(ScratchPath().c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

// Turns the relative paths among the arguments (corpus folders, inputs to replay) into absolute
// ones, as they are read only after the scratch folder below is entered.
inline void MakePathsAbsolute(int* argc, char*** argv) {
  static std::vector<std::string> kept;
  kept.reserve(static_cast<std::size_t>(*argc));
  for (int i = 1; i < *argc; ++i) {
    const char* arg = (*argv)[i];
    if (arg[0] == '-' || arg[0] == '/') continue;
    char* full = realpath(arg, nullptr);
    if (full == nullptr) continue;
    kept.emplace_back(full);
    std::free(full);
    (*argv)[i] = kept.back().data();
  }
}

// Enters a fresh folder under $TMPDIR (else /tmp) for the life of the process. The log is
// never started, so its lines reach only standard output, which goes to /dev/null: millions
// of runs would otherwise fill the disk and the terminal with "not read" lines. Called from
// LLVMFuzzerInitialize (ScratchFolderStart.cpp) with its arguments.
inline void EnterScratchFolder(int* argc, char*** argv) {
  MakePathsAbsolute(argc, argv);
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tessarin-fuzz-XXXXXX";
  const char* made = mkdtemp(pattern.data());
  Require(made != nullptr && chdir(made) == 0, "a scratch folder can be entered");
  ScratchPath() = made;
  std::atexit(RemoveScratch);
  Require(std::freopen("/dev/null", "w", stdout) != nullptr, "standard output can be silenced");
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace fuzz
