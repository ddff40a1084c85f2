// The background search: one at a time, cancellable, and its answer tied to its board.
#include "game/HintSearch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>

namespace {

// A board two moves from the goal, and one far from it that keeps a search busy.
Board NearGoal() {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) board[i] = i + 1;
  MoveTile(board, 14);
  MoveTile(board, 13);
  return board;
}

Board FarFromGoal() {
  return {16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
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

  ASSERT_TRUE(IsSolvableBoard(FarFromGoal()));
  ASSERT_TRUE(search.Start(FarFromGoal()));
  EXPECT_FALSE(search.Start(NearGoal()));
  search.Cancel();
  EXPECT_FALSE(search.Running());
  EXPECT_FALSE(search.TakeResultFor(FarFromGoal()).has_value());

  ASSERT_TRUE(search.Start(NearGoal()));
  {
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(woken.wait_for(lock, std::chrono::minutes(2), [&] { return notifications > 0; }));
  }
  search.Cancel();  // joins the finished worker
  EXPECT_EQ(notifications, 1);
  // An answer asked for another board is dropped, so it cannot be taken afterwards either.
  EXPECT_FALSE(search.TakeResultFor(FarFromGoal()).has_value());
  EXPECT_FALSE(search.TakeResultFor(NearGoal()).has_value());

  ASSERT_TRUE(search.Start(NearGoal()));
  {
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(woken.wait_for(lock, std::chrono::minutes(2), [&] { return notifications > 1; }));
  }
  const std::optional<ShortestSolution> answer = search.TakeResultFor(NearGoal());
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->moves, (std::vector<int>{14, 15}));
}

}  // namespace
