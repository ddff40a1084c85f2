// The background search: one at a time, cancellable, and its answer tied to its board.
#include "game/HintSearch.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <string>

#include "game/PuzzleRules.h"

namespace {

// A board two moves from the goal, and one far from it that keeps a search busy.
SizedBoard NearGoal() {
  SizedBoard board(kBoardSide);
  MoveTile(board, 14);
  MoveTile(board, 13);
  return board;
}

SizedBoard FarFromGoal() {
  return FromFourByFour({16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
}

// Whether every other thread of this process blocks the signal (its SigBlk mask in /proc).
bool OtherThreadsBlock(int signal) {
  bool found = false, allBlock = true;
  DIR* tasks = opendir("/proc/self/task");
  while (const dirent* task = tasks != nullptr ? readdir(tasks) : nullptr) {
    if (task->d_name[0] == '.' || std::stol(task->d_name) == gettid()) continue;
    std::ifstream status(std::string("/proc/self/task/") + task->d_name + "/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("SigBlk:", 0) != 0) continue;
      found = true;
      allBlock = allBlock && (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1);
    }
  }
  if (tasks != nullptr) closedir(tasks);
  return found && allBlock;
}

TEST(HintSearch, AnswersForItsBoardRefusesASecondSearchAndCancels) {
  std::mutex mutex;
  std::condition_variable woken;
  int notifications = 0;
  HintSearch search([&] {
    std::lock_guard<std::mutex> lock(mutex);
    ++notifications;
    woken.notify_all();
  });
  const auto answerNear = [&] {
    const int before = notifications;
    ASSERT_TRUE(search.Start(NearGoal()));
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(
        woken.wait_for(lock, std::chrono::minutes(2), [&] { return notifications > before; }));
  };

  ASSERT_TRUE(IsSolvable(FarFromGoal()));
  ASSERT_TRUE(search.Start(FarFromGoal()));
  // The signals that end the program, and SIGCHLD, stay with the thread that keeps the table
  // of children their handlers read.
  for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGCHLD}) EXPECT_TRUE(OtherThreadsBlock(signal));
  EXPECT_FALSE(search.Start(NearGoal()));
  search.Cancel();
  EXPECT_FALSE(search.Running());
  EXPECT_FALSE(search.TakeResultFor(FarFromGoal()).has_value());

  ASSERT_NO_FATAL_FAILURE(answerNear());
  // An answer asked for another board is dropped, so it cannot be taken afterwards either.
  EXPECT_FALSE(search.TakeResultFor(FarFromGoal()).has_value());
  EXPECT_FALSE(search.TakeResultFor(NearGoal()).has_value());

  // Whoever cancels has left the board: an answer that came before is forgotten.
  ASSERT_NO_FATAL_FAILURE(answerNear());
  search.Cancel();
  EXPECT_FALSE(search.TakeResultFor(NearGoal()).has_value());

  ASSERT_NO_FATAL_FAILURE(answerNear());
  const std::optional<BoardSolution> answer = search.TakeResultFor(NearGoal());
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->moves, (std::vector<int>{14, 15}));
  EXPECT_EQ(notifications, 3) << "a cancelled search notifies no one";
}

}  // namespace
