// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "support/OpenboxProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "support/ProcessProbe.h"
#include "support/Waiting.h"

extern char** environ;

namespace {

const char kOpenbox[] = "/usr/bin/openbox";

// The test's environment with a scratch home, so that openbox reads only Debian's settings.
std::vector<std::string> OpenboxEnvironment(const std::string& home) {
  std::vector<std::string> environment{"HOME=" + home};
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (text.rfind("HOME=", 0) != 0 && text.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
        text.rfind("XDG_CACHE_HOME=", 0) != 0) {
      environment.push_back(text);
    }
  }
  return environment;
}

// Openbox names itself on the root window early in its start-up, but drops the windows
// mapped before it is done; ready means a window mapped now is shown.
bool ShowsANewWindow(Display* display) {
  const Window probe =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
  XMapWindow(display, probe);
  XSync(display, False);
  const bool shown = waiting::WaitUntil(
      [&] {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, probe, &attributes);
        return attributes.map_state == IsViewable;
      },
      std::chrono::milliseconds(500));
  XDestroyWindow(display, probe);
  XSync(display, False);
  return shown;
}

}  // namespace

OpenboxProcess::~OpenboxProcess() {
  Stop();
}

::testing::AssertionResult OpenboxProcess::Start(const RemoteScreen& screen) {
  if (screen.HasWindowManager()) {
    return ::testing::AssertionFailure() << "another window manager already runs";
  }
  if (access(kOpenbox, X_OK) != 0) {
    return ::testing::AssertionFailure() << kOpenbox << " is missing: run tools/install-deps.sh";
  }
  const std::string logPath = home.File("openbox.log");
  const std::vector<std::string> environment = OpenboxEnvironment(home.Path());
  std::vector<char*> environmentPointers;
  for (const std::string& entry : environment) {
    environmentPointers.push_back(const_cast<char*>(entry.c_str()));
  }
  environmentPointers.push_back(nullptr);
  char* const arguments[] = {const_cast<char*>("openbox"), const_cast<char*>("--sm-disable"),
                             nullptr};
  pid = fork();
  if (pid == 0) {
    // Only calls that are safe between fork and exec.
    const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (log < 0) _exit(126);
    dup2(log, STDOUT_FILENO);
    dup2(log, STDERR_FILENO);
    execve(kOpenbox, arguments, environmentPointers.data());
    _exit(127);
  }
  if (pid < 0) return ::testing::AssertionFailure() << "cannot fork for openbox";
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return ::testing::AssertionFailure() << "cannot open the X server";
  bool ended = false;
  const bool ready = waiting::WaitUntil([&] {
    ended = waitpid(pid, nullptr, WNOHANG) == pid;
    return ended || (screen.HasWindowManager() && ShowsANewWindow(display));
  });
  XCloseDisplay(display);
  if (ended) pid = -1;
  if (ended || !ready) {
    return ::testing::AssertionFailure() << "openbox did not take over the screen: " << Output();
  }
  return ::testing::AssertionSuccess();
}

void OpenboxProcess::Stop() {
  if (pid <= 0) return;
  EndAndReap(pid);
  pid = -1;
}

std::string OpenboxProcess::Output() const {
  return FileText(home.File("openbox.log"));
}
