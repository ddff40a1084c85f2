// The figures of the game being played, as the statistics window shows them.
#pragma once

#include <functional>

struct GameStats {
  bool running = false;
  int moves = 0;
  int seconds = 0;
};

// Asked for the figures whenever the window brings them up to date.
using GameStatsProvider = std::function<GameStats()>;
