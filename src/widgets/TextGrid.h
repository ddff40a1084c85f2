// Where the characters of a text box stand: a grid of equal cells, one character per cell,
// filled row by row with a carriage return ending its row. Free of X, so that the editing
// rules (TextBoxModel) and the widget that draws the cells (TextBoxCustom) share one answer
// to "which cell holds which character" and it can be checked without a server. A layout is
// a plain value; nobody owns anything here.
#pragma once

#include <string>
#include <vector>

namespace tessarin {

// The most cells a box lays out, whatever its size: a bigger box shows no more than these.
constexpr int kMaxTextCells = 1600;

struct GridSize {
  int columns = 0;
  int rows = 0;
  // columns x rows, but never above kMaxTextCells.
  int capacity = 0;
};

// The grid of a box w x h with cells of cellWidth x lineHeight inside its 3-pixel margins.
GridSize MeasureGrid(int w, int h, int cellWidth, int lineHeight);

// Where a cell's glyph box starts, relative to the box's top-left corner.
struct CellOffset {
  int x = 0;
  int y = 0;
};
CellOffset CellOrigin(const GridSize& grid, int cell, int cellWidth, int lineHeight);

// The cell under a point given relative to the box's corner: a point in a margin counts for
// the nearest cell; -1 when the grid has no cells there (or none at all).
int CellAt(const GridSize& grid, int dx, int dy, int cellWidth, int lineHeight);

// What one cell shows and which character of the content put it there.
struct LaidCell {
  // The glyph drawn: a blank for a blank, a line break, a line feed or the end of the text.
  char glyph = ' ';
  // The content index of the character, or the content's size for a cell nothing reached.
  int index = 0;
};

struct CellLayout {
  GridSize grid;
  // One entry per cell of the grid, row by row.
  std::vector<LaidCell> cells;
  // The indices 0 .. laidCount - 1 found a cell; the rest did not fit.
  int laidCount = 0;
  // The cells 0 .. usedCells - 1 were given to an index; the others are left blank.
  int usedCells = 0;

  // The cell an index stands in (a line break: where it starts), or -1 when it did not fit.
  int CellOf(int index) const;
  bool Fits(int index) const { return index >= 0 && index < laidCount; }
};

// Lays the content out, followed by one more cell for its end (where a caret after the last
// character stands). Every index takes a cell; a character that finds the row full wraps to
// the next; a carriage return takes its cell and the rest of its row, unless hidden, when it
// shows as "*" like every character that is not a blank.
CellLayout LayOutText(const std::string& content, const GridSize& grid, bool hidden);

}  // namespace tessarin
