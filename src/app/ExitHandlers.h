// How the program ends when something outside ends it: a termination signal (SIGTERM, SIGINT,
// SIGHUP) or the loss of the X connection. Both end the background sounds first, so that no
// player outlives the game, and leave at once with the conventional status. Installed once
// by the program entry; keeps the program's name for its one line on a lost connection.
#pragma once

// Installs the handlers of the three termination signals (leaving alone a signal that was
// ignored when the program started, as under nohup) and the X I/O error handler.
// programName starts that line; it must outlive the program (a string literal).
void InstallExitHandlers(const char* programName);
