// The one diagnostic channel: each message goes to standard output and, as one line, to
// "log.txt" in the working directory. The file is reopened for every message.
#pragma once

#include <string>

void Log(const char* text);
void Log(const std::string& message);
