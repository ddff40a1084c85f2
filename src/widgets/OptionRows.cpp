#include "tessarin/widgets/OptionRows.h"

#include <algorithm>

namespace tessarin {

int OptionRowsHeight(int rowCount) {
  return kOptionRowHeight * std::max(rowCount, 0);
}

int OptionRowAt(int offsetY, int rowCount) {
  if (rowCount <= 0) return -1;
  return std::clamp(offsetY / kOptionRowHeight, 0, rowCount - 1);
}

int NextOptionRow(int selected, int rowCount) {
  if (rowCount <= 0) return -1;
  const int next = selected + 1;
  return next >= 0 && next < rowCount ? next : 0;
}

int PreviousOptionRow(int selected, int rowCount) {
  if (rowCount <= 0) return -1;
  const int previous = selected - 1;
  return previous >= 0 && previous < rowCount ? previous : rowCount - 1;
}

int ReadableOptionRow(int index, int rowCount) {
  if (rowCount <= 0) return -1;
  return index >= 0 && index < rowCount ? index : rowCount - 1;
}

int SelectionAfterRemoval(int selected, int oldCount) {
  if (oldCount <= 1) return -1;
  const int moved = selected >= oldCount - 1 ? selected - 1 : selected;
  return std::clamp(moved, -1, oldCount - 2);
}

}  // namespace tessarin
