// Runs the hint's search (game/BoardSolver.h: the solver for the board's side) on a copy of a
// board on a worker thread, one search at a time, so that the event loop never waits for it.
//
// When a search ends with an answer, the worker stores it and then calls the notify callback
// on the worker thread. The callback must not touch X or the forms: it only wakes the loop
// (app/LoopWakeUp.h). The loop then calls TakeResultFor with the board it shows; an answer for
// any other board is dropped.
// Start and Cancel belong to the loop's thread: called from the callback, they would wait
// for the very thread that runs it.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "game/BoardSolution.h"
#include "game/SizedBoard.h"

struct HintResult {
  SizedBoard board;
  BoardSolution solution;
};

class HintSearch {
 public:
  using Notify = std::function<void()>;

  explicit HintSearch(Notify notify);
  ~HintSearch();
  HintSearch(const HintSearch&) = delete;
  HintSearch& operator=(const HintSearch&) = delete;

  // Starts a search for board; false (and nothing starts) while another one runs.
  bool Start(const SizedBoard& board);
  // Abandons the running search, if any, and waits for its thread: it returns within a few
  // milliseconds, and a cancelled search stores nothing and notifies no one. An answer not yet
  // taken is forgotten too: whoever cancels has moved on from its board.
  void Cancel();
  bool Running() const { return running_.load(); }

  // The stored answer if it was computed for board; an answer for another board is dropped.
  std::optional<BoardSolution> TakeResultFor(const SizedBoard& board);

 private:
  void Work(SizedBoard board);
  void JoinFinished();

  Notify notify_;
  std::thread worker_;
  std::atomic<bool> running_{false};
  std::atomic<bool> cancel_{false};
  std::mutex resultMutex_;
  std::optional<HintResult> result_;
};
