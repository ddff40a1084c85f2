// The one way the programs open the files of their working folder, a folder that someone else
// may be able to write into. A file is never opened through a symbolic link at its own name,
// and only a regular file is used: a link planted there cannot send a write to a file of the
// player's or a read to a device, and a FIFO cannot hang the program. A write never deletes
// what it did not make: a link at the name (never its target) and a regular file are replaced,
// anything else there (a FIFO, a device, a socket, a folder) is refused and left as it stands.
// A file being created is made new (O_EXCL), so nothing already at its name is written
// through; a file being read has a size limit, checked before anything is read. A link in the
// folders above the file is followed as usual: those folders are the player's choice.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "tessarin/util/TextFile.h"

namespace tessarin {

struct StreamCloser {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using FileStream = std::unique_ptr<std::FILE, StreamCloser>;

enum class FileProblem { None, Missing, Link, NotRegular, TooLarge, Unusable, WriteFailed };

// Why a file was refused, as the end of a log line: "it is a symbolic link" and so on.
std::string DescribeProblem(FileProblem problem);

// A read-only stream on the regular file at path of at most byteLimit bytes, or null with
// the reason in problem; for Missing and Unusable, errno tells the system's own reason.
FileStream OpenForReading(const std::string& path, std::int64_t byteLimit, FileProblem& problem);

enum class WriteMode {
  // A new file made at the path after a link or a regular file there is removed; written at
  // its end, so that the lines of a forked child follow those of its parent.
  Fresh,
  // Appends to the regular file at path, which must have no other name (a hard link could
  // carry the lines into a file of the player's); made new when missing.
  Append
};

// A write-only stream, or null with the reason in problem. A new file gets mode 0666 less the
// umask, as fopen would give it. The descriptor is closed at exec: the programs started from
// here cannot write into the file.
FileStream OpenForWriting(const std::string& path, WriteMode mode, FileProblem& problem);

// Puts text at path in one step: written to a new file beside it, under a random name that no
// one can take ahead, and renamed over it, so the path holds the old file or all of the new
// one, never a part (a full disk, a size limit). A link at the path is replaced itself. On
// failure, with the reason in problem, the old file is untouched and nothing is left beside it.
// Synced, the new file reaches the disk before the rename, so that a crash cannot leave the
// name on empty blocks; that flush costs more than the rest of a small write together.
bool ReplaceFile(const std::string& path, const std::string& text, FileProblem& problem,
                 Durability durability = Durability::Synced);

}  // namespace tessarin
