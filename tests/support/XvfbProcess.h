// A private Xvfb of a test's own, beside the one the suite runs on: for the tests that take a
// server away from the game, or start one with a font path of their choosing. The object owns
// the server process: it ends and reaps it when asked or when it goes, and never touches any
// other server.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class XvfbProcess {
 public:
  XvfbProcess() = default;
  ~XvfbProcess();
  XvfbProcess(const XvfbProcess&) = delete;
  XvfbProcess& operator=(const XvfbProcess&) = delete;

  // Starts Xvfb (one 1024 x 768 screen of the given depth, 24 bits unless asked otherwise,
  // local connections only, never reset) with the extra arguments and waits until it takes
  // connections; false, with the reason in Output(), when it does not.
  bool Start(const std::vector<std::string>& extraArguments = {}, int depth = 24);
  // ":N", the value of DISPLAY for a client of this server.
  const std::string& DisplayName() const { return displayName; }
  // Asks the server to end and reaps it. Its clients see their connections break at once, as
  // after a crash, but the server removes its lock and socket on the way out: a SIGKILL would
  // leave /tmp/.X11-unix/X<n> behind for every run.
  void Stop();
  std::string Output() const;

 private:
  pid_t pid = -1;
  std::string displayName;
  std::string logPath;
};
