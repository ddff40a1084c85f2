// A text file read, written or appended as whole lists of lines. The object holds only the
// path and the failure flags of its last operation; the file is opened and closed inside
// each call, never kept open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessarin {

enum class FileProblem;  // util/SafeFile.h

// Whether a write waits for its file to reach the disk (see WriteLines).
enum class Durability { Synced, Unsynced };

constexpr std::int64_t kAnyFileSize = -1;

class TextFile {
 public:
  explicit TextFile(const char* path);
  explicit TextFile(std::string path);

  // Every line without its newline, whatever its length; a CR before the newline stays, and
  // a last line without a newline still counts. Empty with Failed and NotFound when nothing
  // stands at the path; empty with Failed alone when something does but cannot be read (no
  // permission, say) or is refused: a symbolic link, not a regular file, or more than
  // byteLimit bytes. ReadProblem then says which.
  std::vector<std::string> ReadLines(std::int64_t byteLimit = kAnyFileSize);
  // The lines each followed by "\r\n"; empty when the read failed.
  std::string ReadAll();
  // Replaces the file with the lines, each ended by a newline; an empty list empties it. They
  // are written to a new file in the same folder, renamed over this one, so the path holds
  // the old lines or all the new ones, never a part; on failure (Failed alone when the file
  // is not written whole) the old file is untouched and nothing is left beside it. A link at
  // the path is replaced itself, never its target; a FIFO, a device, a socket or a folder
  // there is refused and left as it stands (Failed alone). Unsynced suits a file made anew
  // from its source at every run, which a crash costs nothing.
  bool WriteLines(const std::vector<std::string>& lines,
                  Durability durability = Durability::Synced);
  // Adds the lines at the end, creating the file when missing; a link or a special file at
  // the path is refused (Failed alone).
  bool AppendLines(const std::vector<std::string>& lines);

  bool Failed() const { return failed; }
  bool NotFound() const { return notFound; }
  // Why the last ReadLines failed, as the end of a log line ("Permission denied", "it is a
  // symbolic link"); empty after a read that did not fail and after any other operation.
  const std::string& ReadProblem() const { return readProblem; }
  const std::string& FileName() const { return fileName; }

 private:
  void Fail(FileProblem problem);
  void ClearFlags();

  bool failed = false;
  bool notFound = false;
  std::string readProblem;
  std::string fileName;
};

}  // namespace tessarin
