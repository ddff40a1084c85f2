// Where the text box's characters stand on its grid of cells: the grid a box size gives, the
// cell under a point, and the layout walk with its line breaks, wrapping, overflow and hidden
// characters.
#include "tessarin/widgets/TextGrid.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessarin;

namespace {

std::string Glyphs(const CellLayout& layout) {
  std::string glyphs;
  for (const LaidCell& cell : layout.cells) glyphs += cell.glyph;
  return glyphs;
}

TEST(TextGrid, MeasuresCellsInsideTheMarginsAndNeverMoreThanTheCap) {
  GridSize name = MeasureGrid(125, 24, 9, 17);
  EXPECT_EQ(name.columns, 13);
  EXPECT_EQ(name.rows, 1);
  EXPECT_EQ(name.capacity, 13);

  GridSize huge = MeasureGrid(2000000000, 2000000000, 9, 17);
  EXPECT_EQ(huge.capacity, kMaxTextCells);
  EXPECT_LE(huge.columns, kMaxTextCells);
  EXPECT_LE(huge.rows, kMaxTextCells);
  CellLayout full = LayOutText(std::string(2000, 'a'), huge, false);
  EXPECT_EQ(full.cells.size(), static_cast<std::size_t>(kMaxTextCells));
  EXPECT_EQ(full.laidCount, kMaxTextCells);

  EXPECT_EQ(MeasureGrid(5, 24, 9, 17).capacity, 0);
  EXPECT_EQ(MeasureGrid(125, 24, 0, 17).capacity, 0);
  EXPECT_EQ(MeasureGrid(-40, -40, 9, 17).capacity, 0);
}

TEST(TextGrid, FindsTheCellOfAPointAndWhereACellStarts) {
  const GridSize grid{4, 3, 12};
  EXPECT_EQ(CellOrigin(grid, 6, 9, 17).x, 3 + 2 * 9);
  EXPECT_EQ(CellOrigin(grid, 6, 9, 17).y, 3 + 17);
  EXPECT_EQ(CellAt(grid, 3 + 2 * 9, 3 + 17, 9, 17), 6);
  EXPECT_EQ(CellAt(grid, 3 + 2 * 9 - 1, 3 + 17 - 1, 9, 17), 1);
  EXPECT_EQ(CellAt(grid, 0, 0, 9, 17), 0);    // the margin belongs to the first cell
  EXPECT_EQ(CellAt(grid, 500, 5, 9, 17), 3);  // right of the last column: the row's last cell
  EXPECT_EQ(CellAt(grid, 5, 500, 9, 17), 8);  // below the last row: the last row
  EXPECT_EQ(CellAt({4, 3, 10}, 500, 500, 9, 17), -1);  // past a capped capacity
  EXPECT_EQ(CellAt({0, 0, 0}, 5, 5, 9, 17), -1);
}

TEST(TextGrid, LaysTextOutRowByRowWithLineBreaks) {
  // "abcd" fills the first row; its line break wraps and takes the second; "e" starts the
  // third, and the end cell follows it.
  CellLayout layout = LayOutText("abcd\re", {4, 3, 12}, false);
  EXPECT_EQ(Glyphs(layout), "abcd    e   ");
  EXPECT_EQ(layout.CellOf(4), 4);
  EXPECT_EQ(layout.cells[7].index, 4);
  EXPECT_EQ(layout.CellOf(5), 8);
  EXPECT_EQ(layout.CellOf(6), 9);  // the end of the text
  EXPECT_EQ(layout.laidCount, 7);
  EXPECT_EQ(layout.usedCells, 10);
  EXPECT_EQ(layout.cells[11].index, 6);  // untouched cells hold the end
}

TEST(TextGrid, StopsAtTheFirstCharacterThatFindsNoCell) {
  CellLayout layout = LayOutText("abcdefg", {3, 2, 6}, false);
  EXPECT_EQ(Glyphs(layout), "abcdef");
  EXPECT_EQ(layout.laidCount, 6);
  EXPECT_TRUE(layout.Fits(5));
  EXPECT_FALSE(layout.Fits(6));
  EXPECT_EQ(layout.CellOf(6), -1);
}

TEST(TextGrid, HiddenTextShowsStarsAndLineFeedsShowBlanks) {
  EXPECT_EQ(Glyphs(LayOutText("a b\rc", {6, 1, 6}, true)), "* *** ");
  EXPECT_EQ(Glyphs(LayOutText("a\nb", {4, 1, 4}, false)), "a b ");
  EXPECT_EQ(Glyphs(LayOutText("a\nb", {4, 1, 4}, true)), "* * ");
}

}  // namespace
