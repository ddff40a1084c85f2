#include "util/Log.h"

#include <unistd.h>

#include <cstdio>

namespace {
constexpr const char* kLogFileName = "log.txt";
}

void Log(const char* text) {
  if (text == nullptr) text = "";
  std::fputs(text, stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);

  const char* mode = access(kLogFileName, F_OK) == 0 ? "a" : "w";
  std::FILE* file = std::fopen(kLogFileName, mode);
  if (file == nullptr) return;
  std::fputs(text, file);
  std::fputc('\n', file);
  std::fflush(file);
  std::fclose(file);
}

void Log(const std::string& message) {
  Log(message.c_str());
}
