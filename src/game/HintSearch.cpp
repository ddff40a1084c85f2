#include "game/HintSearch.h"

#include <utility>

HintSearch::HintSearch(Notify notify) : notify_(std::move(notify)) {}

HintSearch::~HintSearch() {
  Cancel();
}

bool HintSearch::Start(const Board& board) {
  if (running_.load()) return false;
  JoinFinished();
  cancel_.store(false);
  running_.store(true);
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

std::optional<ShortestSolution> HintSearch::TakeResultFor(const Board& board) {
  std::lock_guard<std::mutex> lock(resultMutex_);
  std::optional<HintResult> taken = std::exchange(result_, std::nullopt);
  if (!taken || taken->board != board) return std::nullopt;
  return std::move(taken->solution);
}

void HintSearch::Work(Board board) {
  ShortestSolution solution = SolveShortest(board, cancel_);
  const bool answered = solution.outcome != SolveOutcome::Cancelled;
  if (answered) {
    std::lock_guard<std::mutex> lock(resultMutex_);
    result_ = HintResult{board, std::move(solution)};
  }
  running_.store(false);
  if (answered && notify_) notify_();
}
