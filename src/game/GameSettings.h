// The settings a player chooses in the settings window (F3): the board's side and whether a
// click slides a whole row. They are kept in a small text file of the working folder, read once
// at start and written when the player confirms the window; `--size N` overrides the side for
// one run without saving it. Plain values, free of X.
#pragma once

#include <optional>
#include <string>

#include "game/SizedBoard.h"

// The file that keeps them, in the working folder.
inline constexpr char kSettingsFileName[] = "settings.txt";

struct GameSettings {
  int side = 4;
  // A click on a tile in the gap's row or column slides every tile between it and the gap.
  bool rowSlides = false;

  bool operator==(const GameSettings& other) const {
    return side == other.side && rowSlides == other.rowSlides;
  }
  bool operator!=(const GameSettings& other) const { return !(*this == other); }
};

// The settings the file holds. A missing file means the defaults, silently: a player who never
// opened the settings sees nothing of them. A file that cannot be read, or holds anything but
// settings of this program, means the defaults with one log line that says why.
GameSettings LoadGameSettings(const std::string& path = kSettingsFileName);

// Writes them through the safe opener, beside the file and renamed over it; false, with one
// log line, when the file cannot be written.
bool SaveGameSettings(const GameSettings& settings, const std::string& path = kSettingsFileName);

// The side that `--size` names: a whole number from kSmallestSide to kLargestSide, nothing for
// anything else.
std::optional<int> ParseBoardSide(const std::string& text);
