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
  if (!running || undoCells.empty()) return false;
  const int cell = undoCells.back();
  if (!SlideAndRecord(board, cell, redoCells)) return false;
  undoCells.pop_back();
  ++moves;
  return true;
}

bool GameSession::Redo() {
  if (!running || redoCells.empty()) return false;
  const int cell = redoCells.back();
  if (!SlideAndRecord(board, cell, undoCells)) return false;
  redoCells.pop_back();
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
