// Reads the game's board off the screen the way a player does: by looking at the tiles. The
// picture of every tile is learnt from the ordered board the game shows before the first
// START (cell i shows tile i + 1, the last cell the empty one); later a cell is recognised by
// comparing its pixels with those pictures. A cell caught half-painted matches none of them
// and reads as unknown. A board of another side is read the same way, cell by cell where the
// game places the cells of that side (PlaceOfCell).
#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>
#include <vector>

#include "game/SizedBoard.h"
#include "support/PuzzleSolver.h"
#include "support/RemoteScreen.h"

// Where a cell of a board of that side stands in the main window: at every side the board
// fills 358 x 550 pixels from (20, 25), its cells 2 pixels apart and as large as whole pixels
// allow, so that the 4 x 4 cells are 88 x 136.
struct CellPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int CentreX() const { return x + width / 2; }
  int CentreY() const { return y + height / 2; }
};

CellPlace PlaceOfCell(int side, int cell);

class BoardReader {
 public:
  static constexpr int kCellWidth = 88;
  static constexpr int kCellHeight = 136;
  static int CellX(int cell) { return 20 + 90 * (cell % fifteen::kSide); }
  static int CellY(int cell) { return 25 + 138 * (cell / fifteen::kSide); }
  static int CellCentreX(int cell) { return CellX(cell) + kCellWidth / 2; }
  static int CellCentreY(int cell) { return CellY(cell) + kCellHeight / 2; }

  BoardReader(const RemoteScreen& screen, Window mainWindow, int side = fifteen::kSide);

  int Side() const { return side; }

  // Learns the tile pictures from the ordered board; false (with the reason) while the board
  // on screen does not look like a fully drawn ordered board.
  bool Learn(std::string& whyNot);
  // The tile in the cell (fifteen::kEmpty for the empty cell), unknown for any other picture.
  std::optional<int> TileIn(int cell) const;
  bool Shows(int cell, int tile) const;
  // Every cell of a 4 x 4 board, or nothing when any cell is unknown.
  std::optional<fifteen::Board> Read() const;
  // Only the cells `readable` accepts; the others are left as -1.
  fifteen::Board ReadSome(const std::vector<bool>& readable) const;
  // Every cell of a board of the reader's side in the game's terms (the gap is side * side), or
  // nothing when any cell is unknown.
  std::optional<SizedBoard> ReadSized() const;

 private:
  std::optional<Picture> GrabCell(int cell) const;
  int CellCount() const { return side * side; }
  // The tile that the ordered board shows in the cell.
  int OrderedTile(int cell) const { return cell == CellCount() - 1 ? fifteen::kEmpty : cell + 1; }

  const RemoteScreen& screen;
  Window window;
  int side;
  std::vector<Picture> pictures;
};

std::string DescribeBoard(const fifteen::Board& board);
std::string DescribeBoard(const SizedBoard& board);
