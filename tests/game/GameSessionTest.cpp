// The game session without a window: which moves count, what undo and redo walk back and
// forth, what START, CANCEL and the win forget, and the clock read only when asked.
#include "game/GameSession.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

Board After(std::vector<int> cells) {
  Board board{};
  for (int i = 0; i < kCellCount; ++i) board[i] = i + 1;
  for (int cell : cells) EXPECT_TRUE(MoveTile(board, cell)) << cell;
  return board;
}

long fakeNow = 0;
long FakeClock() {
  return fakeNow;
}

// Runs one step of a script: M<cell> moves, U undoes, R redoes, S stops, N starts anew on the
// ordered board; a trailing ! says the step must be refused.
void RunStep(GameSession& session, const std::string& step) {
  const bool refused = step.back() == '!';
  bool accepted = true;
  if (step[0] == 'M') accepted = session.Move(std::stoi(step.substr(1)));
  if (step[0] == 'U') accepted = session.Undo();
  if (step[0] == 'R') accepted = session.Redo();
  if (step[0] == 'S') session.Stop();
  if (step[0] == 'N') session.Start(After({}));
  EXPECT_EQ(accepted, !refused) << step;
}

TEST(GameSession, UndoRedoAndTheMoveCountFollowTheRules) {
  struct Case {
    std::string script;
    Board board;
    int moves;
    bool running;
  };
  const std::vector<Case> cases = {
      {"M14 U", After({}), 2, true},
      {"M14 M10 U U R R", After({14, 10}), 6, true},
      {"M14 U M11 R!", After({11}), 3, true},
      {"U! R! M0! M14 M15", After({}), 2, true},
      {"M14 S U! M15!", After({14}), 1, false},
      {"M14 M10 N U!", After({}), 0, true},
      {"M14 U S N R!", After({}), 0, true},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.script);
    GameSession session(FakeClock);
    session.Start(After({}));
    std::istringstream steps(test.script);
    for (std::string step; steps >> step;) RunStep(session, step);
    EXPECT_EQ(session.GetBoard(), test.board);
    EXPECT_EQ(session.Stats().moves, test.moves);
    EXPECT_EQ(session.Stats().running, test.running);
  }
}

TEST(GameSession, TimeCountsFromStartAndTheHintMarkLastsOneGame) {
  GameSession session(FakeClock);
  fakeNow = 100;
  session.Start(After({}));
  fakeNow = 137;
  session.MarkHintUsed();
  EXPECT_EQ(session.Stats().seconds, 37);
  EXPECT_TRUE(session.Stats().hintUsed);
  session.Start(After({}));
  EXPECT_EQ(session.Stats().seconds, 0);
  EXPECT_FALSE(session.Stats().hintUsed);
}

}  // namespace
