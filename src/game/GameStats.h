// The figures of the game being played, as the statistics window shows them.
#pragma once

#include <functional>

struct GameStats {
  bool running = false;
  int moves = 0;
  int seconds = 0;
  // A game with a hint counts for no best result.
  bool hintUsed = false;
};

// Asked for the figures whenever the window brings them up to date.
using GameStatsProvider = std::function<GameStats()>;
