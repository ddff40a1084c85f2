// X-free test support for real files: a scratch folder under /tmp that is removed with its
// contents when the object goes, a scoped change of the working directory, the one way tests
// read and write whole files, a folder's names, and a capture of the log. Header-only, because
// the support library is linked only into the X test binary.
#pragma once

#include <dirent.h>
#include <ftw.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tessarin/util/Log.h"

class TempDirectory {
 public:
  TempDirectory() {
    char pattern[] = "/tmp/tessarin-unit-XXXXXX";
    const char* made = mkdtemp(pattern);
    path = made != nullptr ? made : "";
  }
  ~TempDirectory() {
    if (!path.empty()) nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::string& Path() const { return path; }
  std::string File(const std::string& name) const { return path + "/" + name; }

 private:
  static int RemoveEntry(const char* entry, const struct stat*, int, struct FTW*) {
    return std::remove(entry);
  }

  std::string path;
};

// Enters a folder for the object's life and returns to the previous one afterwards.
class WorkingDirectoryScope {
 public:
  explicit WorkingDirectoryScope(const std::string& path) {
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) != nullptr) previous = buffer;
    entered = chdir(path.c_str()) == 0;
  }
  ~WorkingDirectoryScope() {
    if (!previous.empty() && chdir(previous.c_str()) != 0) std::perror("chdir back");
  }
  WorkingDirectoryScope(const WorkingDirectoryScope&) = delete;
  WorkingDirectoryScope& operator=(const WorkingDirectoryScope&) = delete;

  bool Entered() const { return entered; }

 private:
  std::string previous;
  bool entered = false;
};

inline std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline void WriteFileText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Runs the rest of a test in a scratch folder and starts the log there, as a program does at
// start, so that its log.txt holds only what the code under test logged from then on.
class LogCapture {
 public:
  LogCapture() { tessarin::StartLog("log.txt"); }
  std::string Text() const { return FileText(folder.File("log.txt")); }
  // A file in the scratch folder the test now runs in.
  std::string File(const std::string& name) const { return folder.File(name); }

 private:
  TempDirectory folder;
  WorkingDirectoryScope inside{folder.Path()};
};

// The names in a folder, sorted, without "." and "..": what a write left behind.
inline std::vector<std::string> FolderEntries(const std::string& path) {
  std::vector<std::string> names;
  if (DIR* folder = opendir(path.c_str())) {
    while (const dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  return names;
}
