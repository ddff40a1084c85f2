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

TEST(GameSession, ARowSlideCountsEveryTileAndUndoTakesThemBackOneByOne) {
  struct Case {
    int side;
    int pressed;
    // The cells that single presses move the same tiles with; none for a refused press.
    std::vector<int> asPresses;
  };
  const Case cases[] = {{4, 12, {14, 13, 12}},  {4, 3, {11, 7, 3}}, {4, 14, {14}},
                        {5, 4, {19, 14, 9, 4}}, {4, 0, {}},         {6, 28, {}}};
  for (const Case& test : cases) {
    SCOPED_TRACE(testing::Message()
                 << test.side << " x " << test.side << ", cell " << test.pressed);
    GameSession session(test.side, FakeClock);
    session.Start(SizedBoard(test.side));
    std::vector<SizedBoard> seen{session.GetSizedBoard()};
    SizedBoard pressed = seen.back();
    for (int cell : test.asPresses) {
      ASSERT_TRUE(MoveTile(pressed, cell));
      seen.push_back(pressed);
    }
    EXPECT_EQ(session.SlideRow(test.pressed), !test.asPresses.empty());
    EXPECT_EQ(session.GetSizedBoard(), pressed);
    const int slid = static_cast<int>(test.asPresses.size());
    EXPECT_EQ(session.Stats().moves, slid);
    for (int back = 1; back <= slid; ++back) {
      ASSERT_TRUE(session.Undo());
      EXPECT_EQ(session.GetSizedBoard(), seen[slid - back]) << "undo " << back;
    }
    EXPECT_FALSE(session.Undo());
    EXPECT_EQ(session.Stats().moves, 2 * slid);
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
