#include "util/Log.h"

#include <cstdio>

#include "util/SafeFile.h"

namespace {
constexpr const char* kLogFileName = "log.txt";
}

void Log(const char* text) {
  if (text == nullptr) text = "";
  // Standard output may be a pipe whose reader has gone (SIGPIPE is ignored, so the write
  // only fails): the line is dropped there and still goes to the file.
  std::fputs(text, stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
  std::clearerr(stdout);

  // Appended to the file this run made, never through a link or into a special file that
  // someone put at its name; such a line reaches standard output only.
  FileProblem problem = FileProblem::None;
  const FileStream file = OpenForWriting(kLogFileName, WriteMode::Append, problem);
  if (!file) return;
  std::fputs(text, file.get());
  std::fputc('\n', file.get());
  std::fflush(file.get());
}

void Log(const std::string& message) {
  Log(message.c_str());
}

void ClearLog() {
  RemoveEntry(kLogFileName);
}
