// X-free test support: a stand-in `aplay` put first on PATH. Each run appends one line
// "<its pid> <argument count> <arguments>" to a record file. A blocking stand-in then waits
// until Release() (or about twenty seconds) and appends its pid to a second file when it
// ends. The object owns its scratch folder and puts PATH back when it goes.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

class StandInPlayer {
 public:
  explicit StandInPlayer(bool blocking) {
    const char* path = getenv("PATH");
    savedPath = path != nullptr ? path : "";
    WriteScript(blocking);
    const std::string newPath = folder.Path() + ":" + savedPath;
    setenv("PATH", newPath.c_str(), 1);
  }
  ~StandInPlayer() {
    Release();
    setenv("PATH", savedPath.c_str(), 1);
  }
  StandInPlayer(const StandInPlayer&) = delete;
  StandInPlayer& operator=(const StandInPlayer&) = delete;

  struct Run {
    pid_t pid = 0;
    int argumentCount = 0;
    std::string arguments;
  };

  std::vector<Run> Runs() const {
    std::vector<Run> runs;
    std::istringstream lines(FileText(folder.File("record")));
    for (std::string line; std::getline(lines, line);) {
      std::istringstream fields(line);
      Run run;
      fields >> run.pid >> run.argumentCount;
      std::getline(fields >> std::ws, run.arguments);
      runs.push_back(run);
    }
    return runs;
  }
  std::size_t FinishedCount() const {
    std::istringstream lines(FileText(folder.File("finished")));
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line);) ++count;
    return count;
  }
  void Release() const { WriteFileText(folder.File("release"), ""); }

 private:
  void WriteScript(bool blocking) {
    std::string script = "#!/bin/sh\necho \"$$ $# $*\" >> '" + folder.File("record") + "'\n";
    if (blocking) {
      script += "i=0\nwhile [ ! -e '" + folder.File("release") + "' ] && [ $i -lt 400 ]; do\n" +
                "  sleep 0.05; i=$((i+1))\ndone\n";
    }
    script += "echo $$ >> '" + folder.File("finished") + "'\n";
    WriteFileText(folder.File("aplay"), script);
    chmod(folder.File("aplay").c_str(), 0755);
  }

  TempDirectory folder;
  std::string savedPath;
};
