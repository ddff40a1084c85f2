// X-free test support: a file mode that stops a reader, for a suite that may run as root, whom
// no mode stops. A forked child calls DropPrivileges before it touches the files: as root it
// becomes the user nobody, any other user is stopped by the modes already. Header-only.
#pragma once

#include <grp.h>
#include <unistd.h>

constexpr uid_t kNobodyId = 65534;

// False when root could not become nobody (a user namespace without that id, say); the child
// should then end with kNoPrivilegeDrop, and the test skip.
inline bool DropPrivileges() {
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(kNobodyId) == 0 && setuid(kNobodyId) == 0;
}

constexpr int kNoPrivilegeDrop = 77;
constexpr char kNoPrivilegeDropReason[] = "cannot drop root's privileges here";
