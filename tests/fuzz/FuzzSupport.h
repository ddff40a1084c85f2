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

// Enters a fresh folder under $TMPDIR (else /tmp) for the life of the process. The log file there
// is a link to /dev/null and standard output goes there too: millions of runs would otherwise fill
// the disk and the terminal with "not read" lines.
inline void EnterScratchFolder() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tessarin-fuzz-XXXXXX";
  const char* made = mkdtemp(pattern.data());
  Require(made != nullptr && chdir(made) == 0, "a scratch folder can be entered");
  ScratchPath() = made;
  std::atexit(RemoveScratch);
  Require(symlink("/dev/null", "log.txt") == 0, "the log can be silenced");
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
