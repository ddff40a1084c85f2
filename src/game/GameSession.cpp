#include "game/GameSession.h"

#include <time.h>

GameSession::GameSession(SecondsClock clock) : GameSession(kBoardSide, clock) {}

GameSession::GameSession(int side, SecondsClock clock) : clock(clock), board(side) {
  MirrorFourByFour();
}

long GameSession::MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long>(now.tv_sec);
}

void GameSession::Start(const SizedBoard& dealt) {
  board = dealt;
  MirrorFourByFour();
  running = true;
  hintUsed = false;
  moves = 0;
  startSecond = clock();
  undoCells.clear();
  redoCells.clear();
}

void GameSession::Start(const Board& dealt) {
  Start(FromFourByFour(dealt));
}

void GameSession::Stop() {
  running = false;
  undoCells.clear();
  redoCells.clear();
}

bool GameSession::Move(int k) {
  if (!running || !SlideAndRecord(k, undoCells)) return false;
  redoCells.clear();
  ++moves;
  return true;
}

bool GameSession::SlideRow(int k) {
  const std::vector<int> cells = RowSlideCells(board, k);
  if (!running || cells.empty()) return false;
  for (int cell : cells) Move(cell);
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
  if (!SlideAndRecord(from.back(), to)) return false;
  from.pop_back();
  ++moves;
  return true;
}

bool GameSession::SlideAndRecord(int from, std::vector<int>& back) {
  const int gap = board.Gap();
  if (!MoveTile(board, from)) return false;
  MirrorFourByFour();
  back.push_back(gap);
  return true;
}

void GameSession::MirrorFourByFour() {
  fourByFour = board.Side() == kBoardSide ? ToFourByFour(board) : Board{};
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
