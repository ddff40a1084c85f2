// X-free test support: a folder that cannot be written, by root either (a read-only mode does
// not stop root). A forked child enters a mount namespace of its own, inside a new user
// namespace when it is not root, and binds the folder read-only onto itself; the view lasts as
// long as the child and what it runs, and the rest of the system never sees it. Header-only.
#pragma once

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace read_only_view {

// Only calls that are safe in a forked child: no allocation.
inline bool WriteProcFile(const char* path, const char* text) {
  const int fd = open(path, O_WRONLY);
  if (fd < 0) return false;
  const auto length = static_cast<ssize_t>(std::strlen(text));
  const bool written = write(fd, text, static_cast<std::size_t>(length)) == length;
  return close(fd) == 0 && written;
}

inline bool EnterOwnMountNamespace() {
  if (geteuid() == 0 && unshare(CLONE_NEWNS) == 0) return true;
  char uidMap[32], gidMap[32];
  std::snprintf(uidMap, sizeof uidMap, "0 %u 1", static_cast<unsigned>(geteuid()));
  std::snprintf(gidMap, sizeof gidMap, "0 %u 1", static_cast<unsigned>(getegid()));
  return unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 &&
         WriteProcFile("/proc/self/setgroups", "deny") &&
         WriteProcFile("/proc/self/uid_map", uidMap) && WriteProcFile("/proc/self/gid_map", gidMap);
}

}  // namespace read_only_view

// Call in a forked child. Afterwards the folder, entered again by its path (a working
// directory inside it still points at the writable one beneath), refuses every write.
inline bool EnterReadOnlyView(const char* folder) {
  if (!read_only_view::EnterOwnMountNamespace()) return false;
  // Mounts made here must not spread back into the system's namespace.
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
  if (mount(folder, folder, nullptr, MS_BIND, nullptr) != 0) return false;
  return mount(nullptr, folder, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

// Whether such a view can be made here and really refuses a write, tried in a child.
inline bool ReadOnlyViewHolds(const std::string& folder) {
  const std::string probe = folder + "/read-only-probe";
  const pid_t child = fork();
  if (child == 0) {
    if (!EnterReadOnlyView(folder.c_str())) _exit(1);
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT, 0644);
    _exit(fd < 0 && errno == EROFS ? 0 : 2);
  }
  int status = 0;
  const bool held = child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                    WEXITSTATUS(status) == 0;
  std::remove(probe.c_str());
  return held;
}

// For a test that needs the view: why it is skipped where the system allows none.
constexpr const char* kNoReadOnlyView =
    "no read-only view can be made here: neither a mount namespace nor a user namespace "
    "is allowed";
