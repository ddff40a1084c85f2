// The row arithmetic of an option box, free of X: which row lies under a point, where Up and
// Down lead, which row an index that lies outside the list stands for, and where the selection
// goes when a row is removed. A selection is a row index, or -1 for none; none of these ever
// gives an index outside the rows.
#pragma once

namespace tessarin {

constexpr int kOptionRowHeight = 26;

// The height the rows need.
int OptionRowsHeight(int rowCount);

// The row offsetY pixels below the box's top: a point below the last row gives the last row,
// one above the first row the first. -1 when there are no rows.
int OptionRowAt(int offsetY, int rowCount);

// Down: the next row, wrapping from the last to the first. Up: the previous row, wrapping from
// the first (or from no selection) to the last. -1 when there are no rows.
int NextOptionRow(int selected, int rowCount);
int PreviousOptionRow(int selected, int rowCount);

// The row a caption or value getter reads for index: the row itself when it exists, else the
// last row. -1 when there are no rows.
int ReadableOptionRow(int index, int rowCount);

// The selection after a row is removed from oldCount rows: it moves up by one when it was on
// the last row, and stays where it was otherwise (now on the row that followed).
int SelectionAfterRemoval(int selected, int oldCount);

}  // namespace tessarin
