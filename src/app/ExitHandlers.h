// How the program ends when something outside ends it: a termination signal (SIGTERM, SIGINT,
// SIGHUP) or the loss of the X connection. Both end the background sounds first, so that no
// player outlives the program, and leave at once with the conventional status. Installed once,
// by the runner of the program entries (MainFormRunner.h); owns nothing.
#pragma once

namespace tessarin {

// Installs the handlers of the three termination signals (leaving alone a signal that was
// ignored when the program started, as under nohup) and the X I/O error handler.
// The line written on a lost connection starts with programName, which must live as long as
// the program does (a string literal).
void InstallExitHandlers(const char* programName);

// A write to a pipe or socket whose reader has gone (standard output piped into a program
// that ended) then fails with EPIPE instead of ending the program without its clean-up.
void IgnoreBrokenPipes();

}  // namespace tessarin
