// The one diagnostic channel: each message goes to standard output and, as one line, to
// "log.txt" in the working directory. The file is reopened for every message; it is never
// written through a symbolic link, nor when it is not a regular file of one name.
#pragma once

#include <string>

void Log(const char* text);
void Log(const std::string& message);

// Removes the last run's "log.txt" (a link at that name itself, never its target), so that
// the next message starts a fresh file.
void ClearLog();
