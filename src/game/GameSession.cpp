#include "game/GameSession.h"

#include <time.h>

#include <algorithm>

namespace {

int EmptyCellOf(const Board& board) {
  return static_cast<int>(std::find(board.begin(), board.end(), kEmptyCell) - board.begin());
}

// Slides the tile at `from` into the gap and records, in `back`, the cell that slides it back:
// the gap's old place.
bool SlideAndRecord(Board& board, int from, std::vector<int>& back) {
  const int gap = EmptyCellOf(board);
  if (!MoveTile(board, from)) return false;
  back.push_back(gap);
  return true;
}

}  // namespace

GameSession::GameSession(SecondsClock clock) : clock(clock) {}

long GameSession::MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long>(now.tv_sec);
}

void GameSession::Start(const Board& dealt) {
  board = dealt;
  running = true;
  hintUsed = false;
  moves = 0;
  startSecond = clock();
  undoCells.clear();
  redoCells.clear();
}

void GameSession::Stop() {
  running = false;
  undoCells.clear();
  redoCells.clear();
}

bool GameSession::Move(int k) {
  if (!running || !SlideAndRecord(board, k, undoCells)) return false;
  redoCells.clear();
  ++moves;
  return true;
}

bool GameSession::Undo() {
  return SlideBack(undoCells, redoCells);
}

bool GameSession::Redo() {
  return SlideBack(redoCells, undoCells);
}

bool GameSession::SlideBack(std::vector<int>& from, std::vector<int>& to) {
  if (!running || from.empty()) return false;
  if (!SlideAndRecord(board, from.back(), to)) return false;
  from.pop_back();
  ++moves;
  return true;
}

void GameSession::MarkHintUsed() {
  if (running) hintUsed = true;
}

GameStats GameSession::Stats() const {
  GameStats stats;
  stats.running = running;
  stats.moves = moves;
  stats.seconds = running ? static_cast<int>(clock() - startSecond) : 0;
  stats.hintUsed = hintUsed;
  return stats;
}
