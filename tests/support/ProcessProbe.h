// X-free test support for child processes: reads a process's state and parent from /proc,
// waits, with a generous bound, for a condition that another process brings about, and ends a
// child of ours.
// Header-only, like TempDirectory.h.
#pragma once

#include <dirent.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include "support/TempDirectory.h"
#include "support/Waiting.h"

// The state letter of /proc/<pid>/stat ('R', 'S', 'Z', ...), or 0 when there is no such
// process. The name in brackets may hold blanks, so fields are read after its last ')'.
inline char ProcessState(pid_t pid, pid_t* parent = nullptr) {
  const std::string stat = FileText("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream fields(stat.substr(close + 1));
  char state = 0;
  long parentPid = 0;
  if (!(fields >> state >> parentPid)) return 0;
  if (parent != nullptr) *parent = static_cast<pid_t>(parentPid);
  return state;
}

// Alive means running or sleeping: a zombie has ended, it only waits to be collected.
inline bool ProcessIsAlive(pid_t pid) {
  const char state = ProcessState(pid);
  return state != 0 && state != 'Z' && state != 'X';
}

// A benchmark's reading of a process: what it has cost so far and what it holds.
struct ProcessSample {
  double cpuSeconds = 0;    // utime + stime of /proc/<pid>/stat, in clock ticks
  double onCpuSeconds = 0;  // /proc/<pid>/schedstat, nanosecond resolution
  long voluntarySwitches = 0;
  long peakKb = 0;      // VmHWM
  long residentKb = 0;  // VmRSS
  std::chrono::steady_clock::time_point at;
};

// Time on a CPU so far, from the scheduler's statistics; 0 when unreadable.
inline double OnCpuSeconds(pid_t pid) {
  if (pid <= 0) return 0;
  std::istringstream schedstat(FileText("/proc/" + std::to_string(pid) + "/schedstat"));
  double nanoseconds = 0;
  return schedstat >> nanoseconds ? nanoseconds / 1e9 : 0;
}

// Nothing when the process cannot be read (gone, or not ours to read).
inline std::optional<ProcessSample> SampleProcess(pid_t pid) {
  ProcessSample sample;
  sample.at = std::chrono::steady_clock::now();
  const std::string base = "/proc/" + std::to_string(pid);
  const std::string stat = FileText(base + "/stat");
  const std::size_t close = stat.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  // After the name: state, then fields 4 to 13, then utime and stime.
  std::istringstream fields(stat.substr(close + 1));
  std::string skipped;
  for (int field = 3; field <= 13; ++field) fields >> skipped;
  double userTicks = 0, systemTicks = 0;
  if (!(fields >> userTicks >> systemTicks)) return std::nullopt;
  sample.cpuSeconds = (userTicks + systemTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
  sample.onCpuSeconds = OnCpuSeconds(pid);
  std::istringstream status(FileText(base + "/status"));
  for (std::string key; status >> key; status.ignore(1 << 16, '\n')) {
    if (key == "VmHWM:") status >> sample.peakKb;
    if (key == "VmRSS:") status >> sample.residentKb;
    if (key == "voluntary_ctxt_switches:") status >> sample.voluntarySwitches;
  }
  return sample;
}

// The process's resident memory in kB, the VmRSS line of /proc/<pid>/status.
inline std::optional<long> ResidentKilobytes(pid_t pid) {
  const auto sample = SampleProcess(pid);
  if (!sample) return std::nullopt;
  return sample->residentKb;
}

// The process sleeps in select: for our programs, the event loop's idle wait on the X
// connection with nothing left to handle (Xlib itself waits for replies with poll, never
// with select). /proc/<pid>/syscall names the call a blocked process is in, and says
// "running" of one that is not blocked.
inline bool WaitsInSelect(pid_t pid) {
  std::istringstream call(FileText("/proc/" + std::to_string(pid) + "/syscall"));
  long number = -1;
  if (!(call >> number)) return false;
  return number == SYS_select || number == SYS_pselect6;
}

// The ancestor of pid that is a direct child of this process, or -1 when there is none.
inline pid_t OurChildAbove(pid_t pid) {
  for (int depth = 0; depth < 16 && pid > 1; ++depth) {
    pid_t parent = 0;
    if (ProcessState(pid, &parent) == 0) return -1;
    if (parent == getpid()) return pid;
    pid = parent;
  }
  return -1;
}

// The resident kilobytes of the process's largest mapping of a file, -1 when it maps none.
// For the game that is its solver tables, which dwarf every library it maps.
inline long ResidentKbOfLargestFileMapping(pid_t pid) {
  std::istringstream smaps(FileText("/proc/" + std::to_string(pid) + "/smaps"));
  unsigned long largest = 0, size = 0;
  long resident = -1;
  for (std::string line; std::getline(smaps, line);) {
    unsigned long from = 0, to = 0;
    if (std::sscanf(line.c_str(), "%lx-%lx", &from, &to) == 2) {
      size = line.find('/') != std::string::npos ? to - from : 0;
    } else if (size > largest && line.rfind("Rss:", 0) == 0) {
      largest = size;
      resident = std::stol(line.substr(4));
    }
  }
  return resident;
}

// The threads the process runs now, 0 when it cannot be read. A thread that has returned is
// gone from the count even before it is joined.
inline int ThreadCount(pid_t pid) {
  std::istringstream status(FileText("/proc/" + std::to_string(pid) + "/status"));
  for (std::string key; status >> key; status.ignore(1 << 16, '\n')) {
    int count = 0;
    if (key == "Threads:" && status >> count) return count;
  }
  return 0;
}

// The pids whose parent is this process, zombies included.
inline std::set<pid_t> ChildrenOfThisProcess() {
  std::set<pid_t> children;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return children;
  while (const dirent* entry = readdir(proc)) {
    const std::string name = entry->d_name;
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = static_cast<pid_t>(std::stol(name));
    pid_t parent = 0;
    if (ProcessState(pid, &parent) != 0 && parent == getpid()) children.insert(pid);
  }
  closedir(proc);
  return children;
}

// Polls until done() holds; gives up after about ten seconds so a fault fails instead of
// hanging. Returns done().
inline bool Eventually(const std::function<bool()>& done) {
  return waiting::WaitUntil(done, std::chrono::seconds(10));
}

// Asks a child of this process to end, so that it can clean up after itself, and reaps it; a
// child that has not ended within the usual wait is killed outright.
inline void EndAndReap(pid_t pid) {
  kill(pid, SIGTERM);
  if (waiting::WaitUntil([pid] { return waitpid(pid, nullptr, WNOHANG) != 0; })) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}
