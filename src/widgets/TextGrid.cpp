#include "tessarin/widgets/TextGrid.h"

#include <algorithm>

#include "tessarin/util/CharacterCodes.h"

namespace tessarin {

namespace {

constexpr int kInset = 3;
constexpr int kMargin = 2 * kInset;
constexpr char kHiddenGlyph = '*';

// A line feed and the end of the text show as blanks, hidden or not; a line break shows as one
// only while it breaks the line.
char GlyphOf(char ch, bool hidden) {
  if (ch == '\n' || ch == '\0') return ' ';
  if (hidden) return ch == ' ' ? ' ' : kHiddenGlyph;
  return ch == kReturnChar ? ' ' : ch;
}

int CellsAlong(int length, int cell) {
  if (cell <= 0 || length <= 0) return 0;
  // No more than the cap can ever be used, so no product below can overflow.
  return std::min(length / cell, kMaxTextCells);
}

}  // namespace

GridSize MeasureGrid(int w, int h, int cellWidth, int lineHeight) {
  GridSize grid;
  grid.columns = CellsAlong(w - kMargin, cellWidth);
  grid.rows = CellsAlong(h - kMargin, lineHeight);
  grid.capacity = std::min(grid.columns * grid.rows, kMaxTextCells);
  return grid;
}

CellOffset CellOrigin(const GridSize& grid, int cell, int cellWidth, int lineHeight) {
  if (grid.columns <= 0) return {kInset, kInset};
  return {kInset + (cell % grid.columns) * cellWidth, kInset + (cell / grid.columns) * lineHeight};
}

int CellAt(const GridSize& grid, int dx, int dy, int cellWidth, int lineHeight) {
  if (grid.capacity <= 0 || cellWidth <= 0 || lineHeight <= 0) return -1;
  const int column = std::clamp((dx - kInset) / cellWidth, 0, grid.columns - 1);
  const int row = std::clamp((dy - kInset) / lineHeight, 0, grid.rows - 1);
  const int cell = row * grid.columns + column;
  return cell < grid.capacity ? cell : -1;
}

int CellLayout::CellOf(int index) const {
  if (!Fits(index)) return -1;
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    if (cells[cell].index == index) return static_cast<int>(cell);
  }
  return -1;
}

CellLayout LayOutText(const std::string& content, const GridSize& grid, bool hidden) {
  CellLayout layout;
  layout.grid = grid;
  const int end = static_cast<int>(content.size());
  layout.cells.assign(static_cast<std::size_t>(grid.capacity), LaidCell{' ', end});
  int row = 0;
  int column = 0;
  for (int i = 0; i <= end; ++i) {
    const char ch = i < end ? content[i] : '\0';
    if (column == grid.columns) {
      column = 0;
      ++row;
    }
    const int cell = row * grid.columns + column;
    if (row >= grid.rows || cell >= grid.capacity) break;
    layout.cells[cell] = {GlyphOf(ch, hidden), i};
    layout.laidCount = i + 1;
    layout.usedCells = cell + 1;
    if (ch == kReturnChar && !hidden) {
      // The rest of the row belongs to the line break: a press there puts the caret on it.
      const int rowEnd = std::min((row + 1) * grid.columns, grid.capacity);
      for (int rest = cell + 1; rest < rowEnd; ++rest) layout.cells[rest] = {' ', i};
      layout.usedCells = std::max(layout.usedCells, rowEnd);
      column = grid.columns;
      continue;
    }
    ++column;
  }
  return layout;
}

}  // namespace tessarin
