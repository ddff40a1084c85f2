#include "tessarin/util/SafeFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace tessarin {

namespace {

constexpr int kNoFollow = O_NOFOLLOW | O_CLOEXEC;

FileProblem ProblemOfErrno() {
  // O_NOFOLLOW reports a link at the last name as ELOOP.
  if (errno == ELOOP) return FileProblem::Link;
  if (errno == ENOENT) return FileProblem::Missing;
  // A FIFO without a reader, opened for writing without blocking.
  if (errno == ENXIO) return FileProblem::NotRegular;
  return FileProblem::Unusable;
}

// Checks what fd is open on: a regular file, within the size limit (a negative limit is
// none), with no other name when asked. The fd is closed when it fails.
FileProblem CheckOpened(int fd, std::int64_t byteLimit, bool singleName) {
  struct stat info {};
  FileProblem problem = FileProblem::None;
  if (fstat(fd, &info) != 0) {
    problem = FileProblem::Unusable;
  } else if (!S_ISREG(info.st_mode)) {
    problem = FileProblem::NotRegular;
  } else if (byteLimit >= 0 && info.st_size > byteLimit) {
    problem = FileProblem::TooLarge;
  } else if (singleName && info.st_nlink > 1) {
    problem = FileProblem::Unusable;
  }
  if (problem != FileProblem::None) close(fd);
  return problem;
}

// Without O_NONBLOCK the open of a FIFO would wait for its other end; cleared afterwards so
// that the stream's reads and writes on the regular file behave as usual.
int OpenWithoutWaiting(const std::string& path, int flags, mode_t mode = 0) {
  const int fd = open(path.c_str(), flags | kNoFollow | O_NONBLOCK, mode);
  if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

FileStream Stream(int fd, const char* mode, FileProblem& problem) {
  FileStream stream(fdopen(fd, mode));
  if (!stream) {
    close(fd);
    problem = FileProblem::Unusable;
  }
  return stream;
}

int CreateNew(const std::string& path, int extraFlags = 0) {
  return OpenWithoutWaiting(path, O_WRONLY | O_CREAT | O_EXCL | extraFlags, 0666);
}

int OpenAppending(const std::string& path) {
  const int fd = OpenWithoutWaiting(path, O_WRONLY | O_APPEND);
  if (fd >= 0 || errno != ENOENT) return fd;
  return CreateNew(path);
}

// What a write may take the place of: nothing, a symbolic link (the link itself, never its
// target) or a regular file. A FIFO, a device, a socket or a folder is no file of ours, and
// deleting it could take a device node from the machine when a caller names one.
FileProblem ReplaceableAt(const std::string& path) {
  struct stat info {};
  // A folder that cannot be looked into fails the creation that follows, with its own reason.
  if (lstat(path.c_str(), &info) != 0) return FileProblem::None;
  if (S_ISLNK(info.st_mode) || S_ISREG(info.st_mode)) return FileProblem::None;
  return FileProblem::NotRegular;
}

// Someone who swaps the name for a special file between the look and the removal could as
// well have removed that file themselves.
FileProblem RemoveReplaceable(const std::string& path) {
  const FileProblem problem = ReplaceableAt(path);
  if (problem == FileProblem::None) unlink(path.c_str());
  return problem;
}

constexpr char kHexDigits[] = "0123456789abcdef";

// 16 hexadecimal digits from the kernel's random source; empty when it gives none.
std::string RandomHex() {
  unsigned char bytes[8];
  ssize_t got = 0;
  do {
    got = getrandom(bytes, sizeof bytes, 0);
  } while (got < 0 && errno == EINTR);
  if (got != static_cast<ssize_t>(sizeof bytes)) return "";
  std::string hex;
  for (unsigned char byte : bytes) hex += {kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
  return hex;
}

// A new file beside path, under a name no one can make ahead: O_EXCL never writes through a
// leftover or a link planted in the folder, and with a name that could be guessed, files made
// at every guess would block each write.
int CreateSibling(const std::string& path, std::string& sibling) {
  constexpr int kAttempts = 8;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::string suffix = RandomHex();
    if (suffix.empty()) return -1;
    sibling = path + "." + suffix + ".tmp";
    const int fd = CreateNew(sibling);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

std::string DescribeProblem(FileProblem problem) {
  switch (problem) {
    case FileProblem::None:
      return "it is usable";
    case FileProblem::Missing:
      return "it does not exist";
    case FileProblem::Link:
      return "it is a symbolic link";
    case FileProblem::NotRegular:
      return "it is not a regular file";
    case FileProblem::TooLarge:
      return "it is larger than such a file can be";
    case FileProblem::WriteFailed:
      return "it could not be written";
    case FileProblem::Unusable:
      break;
  }
  return "it cannot be opened";
}

FileStream OpenForReading(const std::string& path, std::int64_t byteLimit, FileProblem& problem) {
  const int fd = OpenWithoutWaiting(path, O_RDONLY);
  if (fd < 0) {
    problem = ProblemOfErrno();
    return nullptr;
  }
  problem = CheckOpened(fd, byteLimit, false);
  if (problem != FileProblem::None) return nullptr;
  return Stream(fd, "rb", problem);
}

FileStream OpenForWriting(const std::string& path, WriteMode mode, FileProblem& problem) {
  const bool fresh = mode == WriteMode::Fresh;
  problem = fresh ? RemoveReplaceable(path) : FileProblem::None;
  if (problem != FileProblem::None) return nullptr;
  const int fd = fresh ? CreateNew(path, O_APPEND) : OpenAppending(path);
  if (fd < 0) {
    // EEXIST: something took the name between the removal and the creation, or a folder
    // stands there.
    problem = errno == EEXIST ? FileProblem::NotRegular : ProblemOfErrno();
    return nullptr;
  }
  problem = CheckOpened(fd, -1, !fresh);
  if (problem != FileProblem::None) return nullptr;
  return Stream(fd, "ab", problem);
}

bool ReplaceFile(const std::string& path, const std::string& text, FileProblem& problem,
                 Durability durability) {
  problem = ReplaceableAt(path);
  if (problem != FileProblem::None) return false;
  std::string sibling;
  const int fd = CreateSibling(path, sibling);
  if (fd < 0) {
    problem = ProblemOfErrno();
    return false;
  }
  bool written = WriteAll(fd, text) && (durability == Durability::Unsynced || fsync(fd) == 0);
  written = close(fd) == 0 && written;
  if (written && std::rename(sibling.c_str(), path.c_str()) == 0) return true;
  unlink(sibling.c_str());
  problem = FileProblem::WriteFailed;
  return false;
}

}  // namespace tessarin
