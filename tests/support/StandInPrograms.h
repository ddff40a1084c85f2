// Test support for code that starts external programs through the shell: stand-in scripts
// put first on PATH that record their arguments, a scoped change of working directory, and
// a look at this process's finished-but-unreaped children. Each object restores what it
// changed when it goes; the stand-ins live in their own scratch folder.
#pragma once

#include <string>

#include "support/TempDirectory.h"
#include "support/XServerFixture.h"

class StandInPrograms {
 public:
  StandInPrograms();
  ~StandInPrograms();
  StandInPrograms(const StandInPrograms&) = delete;
  StandInPrograms& operator=(const StandInPrograms&) = delete;

  // Writes an executable script `name` that appends its arguments, one call per line, to
  // the file RecordOf(name).
  void Add(const std::string& name);
  std::string RecordOf(const std::string& name) const;
  // What the stand-in recorded so far; empty when it never ran.
  std::string Recorded(const std::string& name) const;

 private:
  TempDirectory folder;
  std::string savedPath;
};

// How many children this process has, running or ended but not yet reaped.
int CountChildren();
// How many children of this process have ended and wait, unreaped, as zombies.
int CountZombieChildren();
