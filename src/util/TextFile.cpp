#include "util/TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

TextFile::TextFile(const char* path) : fileName(path != nullptr ? path : "") {}

TextFile::TextFile(std::string path) : fileName(std::move(path)) {}

void TextFile::ClearFlags() {
  failed = false;
  notFound = false;
}

std::vector<std::string> TextFile::ReadLines() {
  ClearFlags();
  std::vector<std::string> lines;
  std::ifstream file(fileName, std::ios::binary);
  if (!file.is_open()) {
    failed = true;
    notFound = true;
    return lines;
  }
  // std::getline into a string grows as needed: callers rewrite the file from what they
  // read, so a long line must come back whole rather than cut the read short.
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  if (file.bad()) failed = true;
  return lines;
}

std::string TextFile::ReadAll() {
  std::vector<std::string> lines = ReadLines();
  if (failed) return "";
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool TextFile::WriteLines(const std::vector<std::string>& lines) {
  return Write(lines, false);
}

bool TextFile::AppendLines(const std::vector<std::string>& lines) {
  return Write(lines, true);
}

bool TextFile::Write(const std::vector<std::string>& lines, bool append) {
  ClearFlags();
  const auto mode = std::ios::binary | (append ? std::ios::app : std::ios::trunc);
  std::ofstream file(fileName, mode);
  if (!file.is_open()) {
    failed = true;
    notFound = true;
    return false;
  }
  for (const std::string& line : lines) {
    file << line << '\n';
    file.flush();
    if (!file) {
      failed = true;
      break;
    }
  }
  file.close();
  if (file.fail()) failed = true;
  return !failed;
}

namespace {
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

// A fresh name beside the file, taken with O_EXCL so that nothing already there (a leftover,
// a link planted in the folder) is ever written through. The mode is the one a plain
// creation would give, the umask applied.
int OpenSibling(const std::string& path, std::string& siblingName) {
  constexpr int kAttempts = 100;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    siblingName = path + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
    const int fd = open(siblingName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}
}  // namespace

bool TextFile::ReplaceLines(const std::vector<std::string>& lines) {
  ClearFlags();
  std::string sibling;
  const int fd = OpenSibling(fileName, sibling);
  if (fd < 0) {
    failed = true;
    notFound = true;
    return false;
  }
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  // fsync before the rename: otherwise a crash could leave the new name on empty blocks.
  bool written = WriteAll(fd, text) && fsync(fd) == 0;
  written = close(fd) == 0 && written;
  if (!written || std::rename(sibling.c_str(), fileName.c_str()) != 0) {
    std::remove(sibling.c_str());
    failed = true;
  }
  return !failed;
}
