#include "tessarin/util/Log.h"

#include <cstdio>

#include "tessarin/util/SafeFile.h"

namespace tessarin {

namespace {
// Never closed but by the next StartLog: a message from a destructor run at exit still
// finds it. Flushed at every message, so a forked child starts with nothing of its parent's
// buffered and adds its own lines at the end.
std::FILE* logFile = nullptr;
}  // namespace

void Log(const char* text) {
  if (text == nullptr) text = "";
  // Standard output may be a pipe whose reader has gone (SIGPIPE is ignored, so the write
  // only fails): the line is dropped there and still goes to the file.
  std::fputs(text, stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
  std::clearerr(stdout);

  if (logFile == nullptr) return;
  std::fputs(text, logFile);
  std::fputc('\n', logFile);
  std::fflush(logFile);
  std::clearerr(logFile);
}

void Log(const std::string& message) {
  Log(message.c_str());
}

void StartLog(const std::string& fileName) {
  if (logFile != nullptr) std::fclose(logFile);
  logFile = nullptr;
  if (fileName.empty()) return;
  FileProblem problem = FileProblem::None;
  logFile = OpenForWriting(fileName, WriteMode::Fresh, problem).release();
}

}  // namespace tessarin
