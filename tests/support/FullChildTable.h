// X-free test support: fills the table of background children (app/ExternalPrograms.h) with
// real children that wait on a pipe, so that the next start finds no room. When the object
// goes it closes the pipe and waits until every one of them has been reaped.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/ExternalPrograms.h"
#include "support/ProcessProbe.h"

class FullChildTable {
 public:
  FullChildTable() {
    if (pipe2(channel, O_CLOEXEC) != 0) return;
    const std::string fds = std::to_string(channel[0]) + " " + std::to_string(channel[1]);
    for (int i = 0; i <= kMaxBackgroundChildren; ++i) {
      const pid_t child = StartBackgroundChild(WaitForClose, fds, false);
      if (child < 0) break;
      children.push_back(child);
    }
  }
  ~FullChildTable() {
    close(channel[1]);
    close(channel[0]);
    for (pid_t child : children) Eventually([&] { return !IsChildRunning(child); });
  }
  FullChildTable(const FullChildTable&) = delete;
  FullChildTable& operator=(const FullChildTable&) = delete;

  // True when the table took children and then refused one.
  bool IsFull() const {
    return !children.empty() && children.size() <= static_cast<std::size_t>(kMaxBackgroundChildren);
  }

 private:
  static void WaitForClose(const std::string& fds) {
    int readFd = -1;
    int writeFd = -1;
    std::istringstream(fds) >> readFd >> writeFd;
    close(writeFd);
    char byte = 0;
    while (read(readFd, &byte, 1) > 0) {
    }
  }

  int channel[2] = {-1, -1};
  std::vector<pid_t> children;
};
