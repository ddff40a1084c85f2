// Reads the game's board off the screen the way a player does: by looking at the tiles. The
// picture of every tile is learnt from the ordered board the game shows before the first
// START (cell i shows tile i + 1, the last cell the empty one); later a cell is recognised by
// comparing its pixels with those pictures. A cell caught half-painted matches none of them
// and reads as unknown.
#pragma once

#include <X11/Xlib.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "support/PuzzleSolver.h"
#include "support/RemoteScreen.h"

class BoardReader {
 public:
  static constexpr int kCellWidth = 88;
  static constexpr int kCellHeight = 136;
  static int CellX(int cell) { return 20 + 90 * (cell % fifteen::kSide); }
  static int CellY(int cell) { return 25 + 138 * (cell / fifteen::kSide); }
  static int CellCentreX(int cell) { return CellX(cell) + kCellWidth / 2; }
  static int CellCentreY(int cell) { return CellY(cell) + kCellHeight / 2; }

  BoardReader(const RemoteScreen& screen, Window mainWindow);

  // Learns the tile pictures from the ordered board; false (with the reason) while the board
  // on screen does not look like a fully drawn ordered board.
  bool Learn(std::string& whyNot);
  // The tile in the cell (fifteen::kEmpty for the empty cell), unknown for any other picture.
  std::optional<int> TileIn(int cell) const;
  bool Shows(int cell, int tile) const;
  // Every cell, or nothing when any cell is unknown.
  std::optional<fifteen::Board> Read() const;
  // Only the cells `readable` accepts; the others are left as -1.
  fifteen::Board ReadSome(const std::vector<bool>& readable) const;

 private:
  std::optional<Picture> GrabCell(int cell) const;

  const RemoteScreen& screen;
  Window window;
  std::array<Picture, fifteen::kCells> pictures;
};

std::string DescribeBoard(const fifteen::Board& board);
