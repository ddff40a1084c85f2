// Process-wide helpers over the file system: existence tests, removal, folder creation, the
// pieces of a path and the program's data folder. Paths are used as given, so relative ones resolve
// against the working directory. Nothing here throws; results report failure.
#pragma once

#include <cstdint>
#include <string>

namespace tessarin {

// Files and folders alike.
bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
// True when the path exists or one folder level could be made (parents are not made).
bool EnsureFolder(const std::string& path);
// 0 when the size cannot be read.
std::int64_t FileSize(const std::string& path);
// Appends "/" unless the path is empty or already ends with "/", "\" or ":".
std::string WithTrailingSlash(const std::string& path);
// Everything up to and including the last "/" (after "\" became "/"), else up to the last
// ":", else empty.
std::string GetDirectory(const std::string& path);
// The path without what GetDirectory returns.
std::string GetFileName(const std::string& path);
// "Data" beside the working directory, made (one level, mode 0777) when no such file or
// folder exists.
std::string DataFolder();

}  // namespace tessarin
