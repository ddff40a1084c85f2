#include "tessarin/app/ExitHandlers.h"

#include <X11/Xlib.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>

#include "tessarin/app/ExternalPrograms.h"

namespace tessarin {

namespace {

constexpr int kLostConnectionStatus = 1;
constexpr int kSignalStatusBase = 128;

const char* programName = "";

// The handler ends the program itself rather than raising a flag for the event loop: the
// loop may be blocked inside Xlib, which resumes its own waits after a signal, and a flag
// set between the loop's last look and its next wait would be seen only at the next event.
// Ending children and _exit are async-signal-safe; nothing else is needed, since the X
// server frees the windows of a client that disconnects and every log line is already
// written. While it runs the other termination signals and SIGCHLD are held back.
void EndOnSignal(int signalNumber) {
  EndBackgroundChildren();
  _exit(kSignalStatusBase + signalNumber);
}

// Xlib calls this when the connection breaks (the server died or closed it) and ends the
// program itself if it returns, after printing a paragraph of its own: say it in one line
// and leave. Destructors are not run, as every one of them would talk to the dead server; nor
// are static ones, which exit() would run while the hint search's thread still reads them.
int EndOnLostConnection(Display* display) {
  EndBackgroundChildren();
  std::fprintf(stderr, "%s: lost the connection to the X server %s\n", programName,
               DisplayString(display));
  std::fflush(nullptr);
  _exit(kLostConnectionStatus);
}

void HandleUnlessIgnored(int signalNumber) {
  struct sigaction previous {};
  if (sigaction(signalNumber, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = EndOnSignal;
  sigemptyset(&action.sa_mask);
  for (int held : {SIGTERM, SIGINT, SIGHUP, SIGCHLD}) sigaddset(&action.sa_mask, held);
  sigaction(signalNumber, &action, nullptr);
}

}  // namespace

void InstallExitHandlers(const char* name) {
  programName = name;
  for (int signalNumber : {SIGTERM, SIGINT, SIGHUP}) HandleUnlessIgnored(signalNumber);
  XSetIOErrorHandler(EndOnLostConnection);
}

void IgnoreBrokenPipes() {
  signal(SIGPIPE, SIG_IGN);
}

}  // namespace tessarin
