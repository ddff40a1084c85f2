#include "util/TextFile.h"

#include <fstream>
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
