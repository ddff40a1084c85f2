#include "tessarin/util/FileUtils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "tessarin/util/TextUtils.h"

namespace tessarin {

namespace {
constexpr const char* kDataFolder = "Data";
}

bool FileExists(const std::string& path) {
  return access(path.c_str(), F_OK) == 0;
}

bool RemoveFile(const std::string& path) {
  return std::remove(path.c_str()) == 0;
}

bool EnsureFolder(const std::string& path) {
  if (FileExists(path)) return true;
  return mkdir(path.c_str(), 0777) == 0;
}

std::int64_t FileSize(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return 0;
  return static_cast<std::int64_t>(info.st_size);
}

std::string WithTrailingSlash(const std::string& path) {
  if (path.empty()) return path;
  const char last = path.back();
  if (last == '/' || last == '\\' || last == ':') return path;
  return path + "/";
}

std::string GetDirectory(const std::string& path) {
  const std::string unified = ReplaceChar(path, '\\', '/');
  std::size_t end = unified.rfind('/');
  if (end == std::string::npos) end = unified.rfind(':');
  if (end == std::string::npos) return "";
  return unified.substr(0, end + 1);
}

std::string GetFileName(const std::string& path) {
  // The directory is measured on the unified path, which has the same length as the original.
  return path.substr(GetDirectory(path).size());
}

std::string DataFolder() {
  EnsureFolder(kDataFolder);
  return kDataFolder;
}

}  // namespace tessarin
