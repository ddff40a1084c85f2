// The option box's row arithmetic without a window, where the rows run out: the row under a
// point, Up and Down, the rows the getters read and the selection after a removal.
#include "tessarin/widgets/OptionRows.h"

#include <gtest/gtest.h>

using namespace tessarin;

namespace {

struct RowCase {
  int (*rule)(int, int);
  int from, rowCount, expected;
};

TEST(OptionRows, NoRuleGivesARowOutsideTheList) {
  const RowCase cases[] = {
      {OptionRowAt, 25, 3, 0},           {OptionRowAt, 26, 3, 1},
      {OptionRowAt, 78, 3, 2},           {OptionRowAt, -60, 3, 0},  // below and above the rows
      {OptionRowAt, 0, 0, -1},           {NextOptionRow, 2, 3, 0},
      {NextOptionRow, -1, 3, 0},         {NextOptionRow, -1, 0, -1},
      {PreviousOptionRow, 0, 3, 2},      {PreviousOptionRow, -1, 3, 2},
      {PreviousOptionRow, 0, 0, -1},     {ReadableOptionRow, 3, 3, 2},
      {ReadableOptionRow, -7, 3, 2},     {ReadableOptionRow, -1, 0, -1},
      {SelectionAfterRemoval, 2, 3, 1},  // the selected last row
      {SelectionAfterRemoval, 1, 4, 1},  // a row above: the same index
      {SelectionAfterRemoval, 0, 1, -1}, {SelectionAfterRemoval, -1, 3, -1},
  };
  for (const RowCase& c : cases) {
    EXPECT_EQ(c.rule(c.from, c.rowCount), c.expected)
        << "case " << (&c - cases) << ": from " << c.from << " in " << c.rowCount << " rows";
  }
}

}  // namespace
