#include "game/HintSearch.h"

#include <pthread.h>
#include <signal.h>

#include <utility>

#include "game/BoardSolver.h"

namespace {
// The worker is started with the signals that end the program, and SIGCHLD, blocked, so that
// they always reach the loop's thread: their handlers read and change the table of children
// that thread keeps, which it guards by blocking them on itself alone.
class WorkerSignalMask {
 public:
  WorkerSignalMask() {
    sigset_t held;
    sigemptyset(&held);
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGCHLD}) sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &previous);
  }
  ~WorkerSignalMask() { pthread_sigmask(SIG_SETMASK, &previous, nullptr); }
  WorkerSignalMask(const WorkerSignalMask&) = delete;
  WorkerSignalMask& operator=(const WorkerSignalMask&) = delete;

 private:
  sigset_t previous;
};
}  // namespace

HintSearch::HintSearch(Notify notify) : notify_(std::move(notify)) {}

HintSearch::~HintSearch() {
  Cancel();
}

bool HintSearch::Start(const SizedBoard& board) {
  if (running_.load()) return false;
  JoinFinished();
  cancel_.store(false);
  running_.store(true);
  const WorkerSignalMask heldForTheWorker;
  worker_ = std::thread(&HintSearch::Work, this, board);
  return true;
}

void HintSearch::Cancel() {
  cancel_.store(true);
  JoinFinished();
  std::lock_guard<std::mutex> lock(resultMutex_);
  result_.reset();
}

// A worker that has cleared running_ may still be inside notify_; joining waits for that.
void HintSearch::JoinFinished() {
  if (worker_.joinable()) worker_.join();
}

std::optional<BoardSolution> HintSearch::TakeResultFor(const SizedBoard& board) {
  std::lock_guard<std::mutex> lock(resultMutex_);
  std::optional<HintResult> taken = std::exchange(result_, std::nullopt);
  if (!taken || taken->board != board) return std::nullopt;
  return std::move(taken->solution);
}

void HintSearch::Work(SizedBoard board) {
  BoardSolution solution = SolveBoard(board, cancel_);
  const bool answered = solution.outcome != SolveOutcome::Cancelled;
  if (answered) {
    std::lock_guard<std::mutex> lock(resultMutex_);
    result_ = HintResult{board, std::move(solution)};
  }
  running_.store(false);
  if (answered && notify_) notify_();
}
