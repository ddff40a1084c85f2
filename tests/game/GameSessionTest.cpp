// The game session without a window: which moves count, what undo and redo walk back and
// forth, what START, CANCEL and the win forget, and the clock read only when asked.
#include "game/GameSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Board Ordered() {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) board[i] = i + 1;
  return board;
}

Board After(std::vector<int> cells) {
  Board board = Ordered();
  for (int cell : cells) EXPECT_TRUE(MoveTile(board, cell)) << cell;
  return board;
}

long fakeNow = 0;
long FakeClock() {
  return fakeNow;
}

// One step of a script: 'M' slides the tile at cell, 'U' undoes, 'R' redoes, 'S' stops the
// game, 'N' starts a new one on the ordered board.
struct Step {
  char op;
  int cell = -1;
  bool accepted = true;
};

bool RunStep(GameSession& session, const Step& step) {
  switch (step.op) {
    case 'M':
      return session.Move(step.cell);
    case 'U':
      return session.Undo();
    case 'R':
      return session.Redo();
    case 'S':
      session.Stop();
      return true;
    default:
      session.Start(Ordered());
      return true;
  }
}

TEST(GameSession, UndoRedoAndTheMoveCountFollowTheRules) {
  struct Case {
    std::string name;
    std::vector<Step> steps;
    Board board;
    int moves;
    bool running;
  };
  const std::vector<Case> cases = {
      {"a move then its undo", {{'M', 14}, {'U'}}, Ordered(), 2, true},
      {"undo then redo", {{'M', 14}, {'U'}, {'R'}}, After({14}), 3, true},
      {"two back, two forth",
       {{'M', 14}, {'M', 10}, {'U'}, {'U'}, {'R'}, {'R'}},
       After({14, 10}),
       6,
       true},
      {"a new move forgets redo",
       {{'M', 14}, {'U'}, {'M', 11}, {'R', -1, false}},
       After({11}),
       3,
       true},
      {"nothing to undo or redo", {{'U', -1, false}, {'R', -1, false}}, Ordered(), 0, true},
      {"a tile away from the gap", {{'M', 0, false}, {'M', 14}, {'M', 15}}, Ordered(), 2, true},
      {"the end of a game refuses all",
       {{'M', 14}, {'S'}, {'U', -1, false}, {'M', 15, false}},
       After({14}),
       1,
       false},
      {"a new game forgets the old history",
       {{'M', 14}, {'M', 10}, {'N'}, {'U', -1, false}},
       Ordered(),
       0,
       true},
      {"stopping forgets redo",
       {{'M', 14}, {'U'}, {'S'}, {'N'}, {'R', -1, false}},
       Ordered(),
       0,
       true},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    GameSession session(FakeClock);
    session.Start(Ordered());
    for (const Step& step : test.steps) {
      EXPECT_EQ(RunStep(session, step), step.accepted) << step.op << step.cell;
    }
    EXPECT_EQ(session.GetBoard(), test.board);
    EXPECT_EQ(session.Stats().moves, test.moves);
    EXPECT_EQ(session.Stats().running, test.running);
  }
}

TEST(GameSession, TimeCountsFromStartAndTheHintMarkLastsOneGame) {
  GameSession session(FakeClock);
  fakeNow = 100;
  session.MarkHintUsed();
  session.Start(Ordered());
  EXPECT_FALSE(session.Stats().hintUsed) << "a hint before the game belongs to no game";
  fakeNow = 137;
  session.MarkHintUsed();
  EXPECT_EQ(session.Stats().seconds, 37);
  EXPECT_TRUE(session.Stats().hintUsed);
  session.Start(Ordered());
  EXPECT_EQ(session.Stats().seconds, 0);
  EXPECT_FALSE(session.Stats().hintUsed);
  session.Stop();
  fakeNow = 500;
  EXPECT_EQ(session.Stats().seconds, 0) << "no game, no time";
}

}  // namespace
