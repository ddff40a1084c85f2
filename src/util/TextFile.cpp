#include "tessarin/util/TextFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "tessarin/util/SafeFile.h"

namespace tessarin {

// Plain stdio rather than fstreams: a statically linked program that uses fstreams carries the
// whole iostream library with its locales (0.9 MB), whose set-up costs it half a millisecond
// at every start.

namespace {
// A file that was there but refused (a link, a special file, too large) is not a missing one:
// callers that start afresh on a missing file must not do so over it.
bool IsRefusal(FileProblem problem) {
  return problem == FileProblem::Link || problem == FileProblem::NotRegular ||
         problem == FileProblem::TooLarge;
}
}  // namespace

TextFile::TextFile(const char* path) : fileName(path != nullptr ? path : "") {}

TextFile::TextFile(std::string path) : fileName(std::move(path)) {}

void TextFile::ClearFlags() {
  failed = false;
  notFound = false;
  readProblem.clear();
}

std::vector<std::string> TextFile::ReadLines(std::int64_t byteLimit) {
  ClearFlags();
  std::vector<std::string> lines;
  FileProblem problem = FileProblem::None;
  const FileStream stream = OpenForReading(fileName, byteLimit, problem);
  if (!stream) {
    const int openError = errno;
    failed = true;
    // Only a missing file may be taken for one not made yet: a file that is there but
    // cannot be read (EACCES, EIO) holds lines that a caller must not write over.
    notFound = problem == FileProblem::Missing;
    readProblem = IsRefusal(problem) ? DescribeProblem(problem) : std::strerror(openError);
    return lines;
  }
  std::FILE* file = stream.get();
  // getline grows its buffer as needed: callers rewrite the file from what they read, so a
  // long line must come back whole rather than cut the read short.
  char* buffer = nullptr;
  std::size_t capacity = 0;
  for (ssize_t length; (length = getline(&buffer, &capacity, file)) >= 0;) {
    std::string line(buffer, static_cast<std::size_t>(length));
    if (!line.empty() && line.back() == '\n') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (std::ferror(file) != 0) {
    failed = true;
    readProblem = std::strerror(errno);
  }
  std::free(buffer);
  return lines;
}

std::string TextFile::ReadAll() {
  std::vector<std::string> lines = ReadLines();
  if (failed) return "";
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool TextFile::WriteLines(const std::vector<std::string>& lines, Durability durability) {
  ClearFlags();
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  FileProblem problem = FileProblem::None;
  if (!ReplaceFile(fileName, text, problem, durability)) Fail(problem);
  return !failed;
}

bool TextFile::AppendLines(const std::vector<std::string>& lines) {
  ClearFlags();
  FileProblem problem = FileProblem::None;
  FileStream stream = OpenForWriting(fileName, WriteMode::Append, problem);
  if (!stream) {
    Fail(problem);
    return false;
  }
  std::FILE* file = stream.get();
  for (const std::string& line : lines) {
    const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size() &&
                         std::fputc('\n', file) != EOF && std::fflush(file) == 0;
    if (!written) {
      failed = true;
      break;
    }
  }
  if (std::fclose(stream.release()) != 0) failed = true;
  return !failed;
}

// A file that could not be opened or made is not found; one refused, or not written whole,
// was there.
void TextFile::Fail(FileProblem problem) {
  failed = true;
  notFound = !IsRefusal(problem) && problem != FileProblem::WriteFailed;
}

}  // namespace tessarin
