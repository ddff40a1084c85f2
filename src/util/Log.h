// The one diagnostic channel: each message goes to standard output and, as one line, to the
// "log.txt" that StartLog made in the working directory. That file is opened once and kept
// for the whole run, so what is put at its name afterwards (a link, a hard link to a file of
// the player's, another file) receives nothing.
#pragma once

#include <string>

void Log(const char* text);
void Log(const std::string& message);

// Starts the run's log in the working directory: the last run's "log.txt" is removed (a link
// at that name itself, never its target) and a new one made, which every later message
// reaches until StartLog is called again. When it cannot be made (a read-only folder, a FIFO
// or a folder at the name, left as it stands), messages reach standard output only; before the
// first call too.
void StartLog();
