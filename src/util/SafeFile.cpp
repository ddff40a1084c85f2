#include "util/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

int CreateNew(const std::string& path) {
  return OpenWithoutWaiting(path, O_WRONLY | O_CREAT | O_EXCL, 0666);
}

int OpenAppending(const std::string& path) {
  const int fd = OpenWithoutWaiting(path, O_WRONLY | O_APPEND);
  if (fd >= 0 || errno != ENOENT) return fd;
  return CreateNew(path);
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
  if (mode == WriteMode::Replace) RemoveEntry(path);
  const int fd = mode == WriteMode::Replace ? CreateNew(path) : OpenAppending(path);
  if (fd < 0) {
    // EEXIST: something took the name between the removal and the creation, or a folder
    // stands there.
    problem = errno == EEXIST ? FileProblem::NotRegular : ProblemOfErrno();
    return nullptr;
  }
  problem = CheckOpened(fd, -1, mode == WriteMode::Append);
  if (problem != FileProblem::None) return nullptr;
  return Stream(fd, mode == WriteMode::Replace ? "wb" : "ab", problem);
}

bool RemoveEntry(const std::string& path) {
  return unlink(path.c_str()) == 0;
}
