// One game of the puzzle as the player plays it, free of X: the board, the moves made since
// START, the time since START, the history that undo and redo walk, and whether a hint was
// asked for. The main window shows it; the statistics window reads it through Stats().
//
// The board has the side it is constructed with (4 unless told) until a game starts on a dealt
// board, whose side it then takes. Before the first game it is the ordered board.
//
// The time is the monotonic clock read when asked: nothing ticks while the game waits.
#pragma once

#include <vector>

#include "game/GameStats.h"
#include "game/PuzzleRules.h"

class GameSession {
 public:
  // Whole seconds of a clock that never goes back.
  using SecondsClock = long (*)();

  explicit GameSession(SecondsClock clock = MonotonicSeconds);
  explicit GameSession(int side, SecondsClock clock = MonotonicSeconds);

  // A new game on the dealt board: no moves, no history, no hint, the time from now.
  void Start(const SizedBoard& dealt);
  void Start(const Board& dealt);
  // Ends the game (CANCEL or the win); the history goes with it, the board stays.
  void Stop();

  // Each of these is one move of the game when it succeeds; all refuse while no game runs.
  // Move slides the tile at k into the gap and forgets what redo could make again.
  bool Move(int k);
  // A row slide: every tile between k and the gap, in the gap's row or column, slides toward
  // it, each tile one move of its own that undo takes back alone. False, and nothing moves,
  // when k lies in neither line.
  bool SlideRow(int k);
  bool Undo();
  bool Redo();

  void MarkHintUsed();

  bool Running() const { return running; }
  int Side() const { return board.Side(); }
  const SizedBoard& GetSizedBoard() const { return board; }
  // The board while its side is 4; all zeros at any other side.
  const Board& GetBoard() const { return fourByFour; }
  GameStats Stats() const;

  static long MonotonicSeconds();

 private:
  // Slides back the last cell of `from`, which then moves to `to`: undo and redo mirrored.
  bool SlideBack(std::vector<int>& from, std::vector<int>& to);
  // Slides the tile at `from` into the gap and records, in `back`, the cell that slides it
  // back: the gap's old place.
  bool SlideAndRecord(int from, std::vector<int>& back);
  void MirrorFourByFour();

  SecondsClock clock;
  SizedBoard board;
  // The 4 x 4 board that the 4 x 4 game reads by reference, kept equal to board.
  Board fourByFour{};
  bool running = false;
  bool hintUsed = false;
  int moves = 0;
  long startSecond = 0;
  // The cell whose tile slides back to take a move back (undo) or to make it again (redo).
  std::vector<int> undoCells;
  std::vector<int> redoCells;
};
