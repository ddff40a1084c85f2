#include "support/XvfbProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "support/ProcessProbe.h"
#include "support/TempDirectory.h"
#include "support/Waiting.h"

namespace {

const char kXvfb[] = "/usr/bin/Xvfb";

// Xvfb writes the number of the display it chose, then a newline, to the -displayfd pipe once
// it listens; an end of file first means it gave up.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  const auto giveUpAt = std::chrono::steady_clock::now() + waiting::kDeadline;
  while (std::chrono::steady_clock::now() < giveUpAt) {
    pollfd readable{fd, POLLIN, 0};
    if (poll(&readable, 1, 100) <= 0) continue;
    char c = 0;
    if (read(fd, &c, 1) != 1) return "";
    if (c == '\n') return number;
    number += c;
  }
  return "";
}

}  // namespace

XvfbProcess::~XvfbProcess() {
  Stop();
  if (!logPath.empty()) std::remove(logPath.c_str());
}

bool XvfbProcess::Start(const std::vector<std::string>& extraArguments, int depth) {
  char logPattern[] = "/tmp/tessarin-xvfb-XXXXXX";
  const int log = mkstemp(logPattern);
  if (log < 0) return false;
  logPath = logPattern;
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  std::vector<std::string> arguments = {
      "Xvfb",      "-displayfd", std::to_string(pipeFds[1]),
      "-screen",   "0",          "1024x768x" + std::to_string(depth),
      "-nolisten", "tcp",        "-noreset"};
  arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid = fork();
  if (pid == 0) {
    // Only calls that are safe between fork and exec. A group of its own keeps the terminal's
    // signals and the game's process-group kills away from it.
    setpgid(0, 0);
    close(pipeFds[0]);
    dup2(log, STDOUT_FILENO);
    dup2(log, STDERR_FILENO);
    execv(kXvfb, argv.data());
    _exit(127);
  }
  close(log);
  close(pipeFds[1]);
  const std::string number = pid > 0 ? ReadDisplayNumber(pipeFds[0]) : "";
  close(pipeFds[0]);
  if (number.empty()) {
    Stop();
    return false;
  }
  displayName = ":" + number;
  return true;
}

void XvfbProcess::Stop() {
  if (pid <= 0) return;
  EndAndReap(pid);
  pid = -1;
}

std::string XvfbProcess::Output() const {
  return FileText(logPath);
}
