// Debian's openbox as the window manager of the private X server, for the tests that need a
// real one: started with a scratch home so that no user configuration is read, ready once it
// has announced itself on the root window, and stopped and reaped when the object goes, so
// that the tests after it find the server bare again.
#pragma once

// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <sys/types.h>

#include <string>

#include "support/RemoteScreen.h"
#include "support/TempDirectory.h"

class OpenboxProcess {
 public:
  OpenboxProcess() = default;
  ~OpenboxProcess();
  OpenboxProcess(const OpenboxProcess&) = delete;
  OpenboxProcess& operator=(const OpenboxProcess&) = delete;

  // Starts openbox and waits until it manages the screen.
  ::testing::AssertionResult Start(const RemoteScreen& screen);
  void Stop();
  // What openbox printed, for failure messages.
  std::string Output() const;

 private:
  TempDirectory home;
  pid_t pid = -1;
};
