// The one diagnostic channel: each message goes to standard output and, as one line, to the
// file that StartLog made in the working directory (the game's "log.txt"), if it made one. That
// file is opened once and kept for the whole run, so what is put at its name afterwards (a link, a
// hard link to a file of the player's, another file) receives nothing.
#pragma once

#include <string>

namespace tessarin {

void Log(const char* text);
void Log(const std::string& message);

// Starts the run's log in the working directory: the last run's file of that name is removed
// (a link at that name itself, never its target) and a new one made, which every later
// message reaches until StartLog is called again. An empty name, or a file that cannot be made
// (a read-only folder, a FIFO or a folder at the name, left as it stands), leaves messages to
// standard output alone; before the first call too.
void StartLog(const std::string& fileName);

}  // namespace tessarin
