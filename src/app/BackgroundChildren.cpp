// The background children of ExternalPrograms.h. Their pids live in a fixed table that the
// SIGCHLD handler may read and clear, and that the handlers ending the program read, so it
// holds lock-free atomics and nothing that allocates. The handler waits only for pids in the
// table: waiting for any child would take the status that system() or other code is waiting for.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "tessarin/app/ExternalPrograms.h"

namespace tessarin {

namespace {
constexpr int kMaxChildren = kMaxBackgroundChildren;
static_assert(std::atomic<pid_t>::is_always_lock_free, "the signal handler needs lock-free pids");

std::atomic<pid_t> trackedChildren[kMaxChildren];
// Written before the pid of its slot, so whoever sees the pid sees the right flag.
std::atomic<bool> outlivesProgram[kMaxChildren];
bool handlerInstalled = false;
int childLimit = kMaxChildren;

// The signals that end the program (ExitHandlers.h) and the children that lead a group.
constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The signals whose handlers read the table: normal code that changes it blocks them all, so
// no handler finds a pid that has just been reaped (and may already name another process)
// or misses a child that has just been forked.
sigset_t TableSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGCHLD);
  for (int signal : kTerminationSignals) sigaddset(&signals, signal);
  return signals;
}

// Async-signal-safe: only waitpid and atomic loads and stores.
void ReapTrackedChildren() {
  for (std::atomic<pid_t>& slot : trackedChildren) {
    const pid_t pid = slot.load();
    if (pid <= 0) continue;
    const pid_t result = waitpid(pid, nullptr, WNOHANG);
    // ECHILD: someone else collected it already; the pid is no longer ours either way.
    if (result == pid || (result < 0 && errno == ECHILD)) slot.store(0);
  }
}

void OnChildSignal(int) {
  const int savedErrno = errno;
  ReapTrackedChildren();
  errno = savedErrno;
}

void InstallHandlerOnce() {
  if (handlerInstalled) return;
  struct sigaction action {};
  action.sa_handler = OnChildSignal;
  action.sa_mask = TableSignals();
  action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
  handlerInstalled = sigaction(SIGCHLD, &action, nullptr) == 0;
}

// Keeps the table's signals blocked while alive, so no handler runs between a fork and the
// recording of its pid, nor while normal code scans the table.
class ChildSignalBlock {
 public:
  ChildSignalBlock() {
    const sigset_t signals = TableSignals();
    sigprocmask(SIG_BLOCK, &signals, &previous);
  }
  ~ChildSignalBlock() { sigprocmask(SIG_SETMASK, &previous, nullptr); }
  ChildSignalBlock(const ChildSignalBlock&) = delete;
  ChildSignalBlock& operator=(const ChildSignalBlock&) = delete;

  const sigset_t& Previous() const { return previous; }

 private:
  sigset_t previous;
};

int FreeSlot() {
  for (int i = 0; i < childLimit; ++i) {
    if (trackedChildren[i].load() == 0) return i;
  }
  return -1;
}

constexpr int kSignalStatusBase = 128;

// A child that leads its group and ends with the program never ends alone on a termination
// signal: it takes the shell and the player under it along. The child carries the program's
// name, so a signal meant for the program (killall, kill $(pidof ...)) reaches it too, maybe
// first. With the program's handler, inherited through the fork, it would leave alone and be
// reaped, and its pid would be gone from the table before the program's handler looked there
// for the group that still plays. Its own SIGTERM, held back while this runs, dies with it.
void EndOwnGroupOnSignal(int signalNumber) {
  kill(0, SIGTERM);
  _exit(kSignalStatusBase + signalNumber);
}

void EndOwnGroupOnTerminationSignals() {
  for (int signalNumber : kTerminationSignals) {
    struct sigaction current {};
    if (sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = EndOwnGroupOnSignal;
    action.sa_mask = TableSignals();
    sigaction(signalNumber, &action, nullptr);
  }
}

// The child's side of the fork. It leaves through _exit so that it never runs the parent's
// atexit handlers or flushes the parent's copied stream buffers a second time.
[[noreturn]] void RunChild(void (*body)(const std::string&), const std::string& arg,
                           bool ownProcessGroup, ChildLifetime lifetime,
                           const sigset_t& signalMask) {
  if (ownProcessGroup) setpgid(0, 0);
  // A browser a link opened stays open when this child is ended, as it does after the program.
  if (ownProcessGroup && lifetime == ChildLifetime::EndsWithProgram) {
    EndOwnGroupOnTerminationSignals();
  }
  // The parent's children are not this process's to wait for, and what body starts it
  // waits for itself.
  signal(SIGCHLD, SIG_DFL);
  // The program ignores SIGPIPE; the programs started here expect it at its default, which
  // a shell and what it runs inherit.
  signal(SIGPIPE, SIG_DFL);
  for (std::atomic<pid_t>& slot : trackedChildren) slot.store(0);
  sigprocmask(SIG_SETMASK, &signalMask, nullptr);
  body(arg);
  _exit(0);
}
}  // namespace

pid_t StartBackgroundChild(void (*body)(const std::string&), const std::string& arg,
                           bool ownProcessGroup, ChildLifetime lifetime) {
  if (body == nullptr) return -1;
  InstallHandlerOnce();
  ChildSignalBlock block;
  ReapTrackedChildren();
  const int slot = FreeSlot();
  if (slot < 0) return -1;
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) RunChild(body, arg, ownProcessGroup, lifetime, block.Previous());
  // Also set here: a signal to the group right after we return must already reach it.
  if (ownProcessGroup) setpgid(pid, pid);
  outlivesProgram[slot].store(lifetime == ChildLifetime::OutlivesProgram);
  trackedChildren[slot].store(pid);
  return pid;
}

void LimitBackgroundChildren(int count) {
  childLimit = count < 0 ? 0 : (count > kMaxChildren ? kMaxChildren : count);
}

bool IsChildRunning(pid_t pid) {
  if (pid <= 0) return false;
  ReapFinishedChildren();
  for (const std::atomic<pid_t>& slot : trackedChildren) {
    if (slot.load() == pid) return true;
  }
  return false;
}

void ReapFinishedChildren() {
  ChildSignalBlock block;
  ReapTrackedChildren();
}

void EndBackgroundChildren() {
  ChildSignalBlock block;
  for (int i = 0; i < kMaxChildren; ++i) {
    const pid_t pid = trackedChildren[i].load();
    if (pid <= 0 || outlivesProgram[i].load()) continue;
    // The group reaches the shell and the player under a child that leads one; the second
    // call reaches a child that leads none, for which the first fails harmlessly.
    kill(-pid, SIGTERM);
    kill(pid, SIGTERM);
  }
}

}  // namespace tessarin
