// How the program ends when something outside ends it: a termination signal (SIGTERM, SIGINT,
// SIGHUP) or the loss of the X connection. Both end the background sounds first, so that no
// player outlives the game, and leave at once with the conventional status. Installed once
// by the program entry; owns nothing.
#pragma once

// Installs the handlers of the three termination signals (leaving alone a signal that was
// ignored when the program started, as under nohup) and the X I/O error handler.
void InstallExitHandlers();

// A write to a pipe or socket whose reader has gone (standard output piped into a program
// that ended) then fails with EPIPE instead of ending the program without its clean-up.
void IgnoreBrokenPipes();
