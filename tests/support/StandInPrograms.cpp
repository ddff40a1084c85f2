#include "support/StandInPrograms.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

StandInPrograms::StandInPrograms() {
  const char* path = std::getenv("PATH");
  savedPath = path != nullptr ? path : "";
  std::string newPath = folder.Path() + ":" + savedPath;
  setenv("PATH", newPath.c_str(), 1);
}

StandInPrograms::~StandInPrograms() {
  setenv("PATH", savedPath.c_str(), 1);
}

void StandInPrograms::Add(const std::string& name) {
  const std::string script = folder.File(name);
  std::ofstream out(script);
  out << "#!/bin/sh\n"
      << "echo \"$*\" >> '" << RecordOf(name) << "'\n";
  out.close();
  chmod(script.c_str(), 0755);
}

std::string StandInPrograms::RecordOf(const std::string& name) const {
  return folder.File(name + ".args");
}

std::string StandInPrograms::Recorded(const std::string& name) const {
  return FileText(RecordOf(name));
}

namespace {
// The state letter and the parent pid from /proc/<pid>/stat; the command name in brackets
// may hold blanks, so parsing starts after its closing bracket.
bool ReadProcessState(const std::string& pid, char& state, long& parent) {
  std::string stat = FileText("/proc/" + pid + "/stat");
  std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return false;
  std::istringstream rest(stat.substr(close + 1));
  return static_cast<bool>(rest >> state >> parent);
}

// Counts this process's children whose state letter passes the filter.
int CountChildrenWhere(bool (*accept)(char state)) {
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return 0;
  int count = 0;
  const long self = static_cast<long>(getpid());
  while (dirent* entry = readdir(proc)) {
    std::string name = entry->d_name;
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    char state = 0;
    long parent = 0;
    if (ReadProcessState(name, state, parent) && parent == self && accept(state)) ++count;
  }
  closedir(proc);
  return count;
}
}  // namespace

int CountChildren() {
  return CountChildrenWhere([](char) { return true; });
}

int CountZombieChildren() {
  return CountChildrenWhere([](char state) { return state == 'Z'; });
}
