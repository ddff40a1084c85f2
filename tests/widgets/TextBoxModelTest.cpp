// The text box's editing rules without a server: what typing, Backspace, Delete, Return and
// the arrows do in each mode on a grid of known size, which keys are refused (the box beeps
// for each), and that no edit reaches past the buffer or counts a refused character.
#include "tessarin/widgets/TextBoxModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tessarin/util/CharacterCodes.h"

using namespace tessarin;

namespace {

// Keys in a script: these four control characters stand for the arrows, every other one is
// typed as it is.
constexpr char kLeft = '\x11';
constexpr char kRight = '\x12';
constexpr char kUp = '\x13';
constexpr char kDown = '\x14';
const std::string L(1, kLeft);
const std::string R(1, kRight);
const std::string U(1, kUp);
const std::string D(1, kDown);
const std::string kBack(1, kBackspaceChar);
const std::string kDel(1, kDeleteChar);

using Setup = std::function<void(TextBoxModel&)>;

struct Box {
  TextBoxModel model;
  int refusals = 0;

  Box(int columns, int rows, const std::string& text, const Setup& setup = nullptr,
      int maxLength = 256) {
    model.SetMaxLength(maxLength);
    if (setup) setup(model);
    model.SetGrid({columns, rows, columns * rows});
    model.Allocate(text);
  }

  void Run(const std::string& keys) {
    for (char key : keys) {
      EditOutcome outcome = EditOutcome::Unchanged;
      switch (key) {
        case kLeft:
          outcome = model.MoveCaret(CaretMove::Left);
          break;
        case kRight:
          outcome = model.MoveCaret(CaretMove::Right);
          break;
        case kUp:
          outcome = model.MoveCaret(CaretMove::Up);
          break;
        case kDown:
          outcome = model.MoveCaret(CaretMove::Down);
          break;
        default:
          outcome = model.Type(key);
      }
      if (outcome == EditOutcome::Refused) ++refusals;
    }
  }
};

const Setup kSingle = nullptr;
const Setup kMulti = [](TextBoxModel& m) { m.SetMultiLine(true); };
const Setup kNumeric = [](TextBoxModel& m) { m.SetNumeric(true); };
const Setup kDecimal = [](TextBoxModel& m) {
  m.SetNumeric(true);
  m.SetAllowDecimalPoint(true);
};
const Setup kDate = [](TextBoxModel& m) { m.SetDateMode(true); };
const Setup kClosesGap = [](TextBoxModel& m) { m.SetDeleteClosesGap(true); };

struct EditCase {
  const char* what;
  Setup setup;
  int columns;
  int rows;
  int maxLength;
  std::string initial;
  std::string keys;
  std::string content;  // the text as edited, trailing blanks and line breaks included
  int caret;
  int refusals;
};

const std::vector<EditCase>& EditCases() {
  static const std::vector<EditCase> cases = {
      {"typing fills the cells", kSingle, 12, 1, 256, "", "abc", "abc", 3, 0},
      {"single-line overwrites", kSingle, 12, 1, 256, "abcd", L + L + "X", "abXd", 3, 0},
      {"multi-line inserts", kMulti, 12, 1, 256, "abcd", L + L + "X", "abXcd", 3, 0},
      {"Return breaks a multi-line box", kMulti, 12, 3, 256, "ab", "\rc", "ab\rc", 4, 0},
      {"Return does nothing in one line", kSingle, 12, 1, 256, "ab", "\r", "ab", 2, 0},
      {"Escape never beeps", kMulti, 12, 1, 256, "ab", "\x1b", "ab", 2, 0},
      {"other control characters beep", kSingle, 12, 1, 256, "ab", "\n\x01", "ab", 2, 2},
      {"numeric refuses letters", kNumeric, 12, 1, 256, "", "1a2", "12", 2, 1},
      {"numeric refuses a point", kNumeric, 12, 1, 256, "", "1.5", "15", 2, 1},
      {"one decimal point", kDecimal, 12, 1, 256, "", "1.5.2", "1.52", 4, 1},
      {"a date gets its slashes", kDate, 12, 1, 256, "", "25122024", "25/12/2024", 10, 0},
      {"a date stops at ten", kDate, 12, 1, 256, "", "251220245", "25/12/2024", 10, 1},
      {"Backspace after a slash takes a digit too", kDate, 12, 1, 256, "", "2512" + kBack, "25/1",
       4, 0},
      {"Backspace re-masks the date", kDate, 12, 1, 256, "25/12/2024",
       L + L + L + L + L + L + kBack, "21/22/024", 1, 0},
      {"the caret skips a date's slash", kDate, 12, 1, 256, "25/12", L + L + L + "7", "27/12", 3,
       0},
      {"typing past the width is refused", kSingle, 5, 1, 256, "", "abcdefg", "abcde", 5, 2},
      {"the caret after the text must fit", kMulti, 3, 2, 256, "", "abcdef", "abcde", 5, 1},
      {"a line break that does not fit", kMulti, 3, 1, 256, "ab", "\r", "ab", 2, 1},
      {"typing at maxLength beeps", kSingle, 12, 1, 3, "", "abcd", "abc", 3, 1},
      {"inserting at maxLength beeps", kMulti, 12, 1, 3, "abc", L + "X", "abc", 2, 1},
      {"Backspace at the start beeps", kSingle, 12, 1, 256, "ab", L + L + kBack, "ab", 0, 1},
      {"Right at the end beeps, Left at 0 does not", kSingle, 12, 1, 256, "a", R + L + L, "a", 0,
       1},
      {"Delete blanks the cell", kSingle, 12, 1, 256, "abcd", L + L + kDel, "ab d", 2, 0},
      {"Delete closes the gap", kClosesGap, 12, 1, 256, "abcd", L + L + kDel, "abd", 2, 0},
      {"Delete at maxLength touches nothing", kSingle, 12, 1, 3, "abc", kDel, "abc", 3, 0},
      {"Delete after the text closes nothing", kClosesGap, 12, 1, 256, "ab", kDel, "ab", 2, 0},
      {"Backspace keeps the line breaks before it", kMulti, 12, 4, 256, "ab\r\r", kBack, "ab\r", 3,
       0},
      {"Up and Down move between lines", kMulti, 5, 3, 256, "ab\rcdef", U + D, "ab\rcdef", 5, 0},
      {"Up in the first row and Down past the text beep", kMulti, 5, 3, 256, "ab\rcdef", D + U + U,
       "ab\rcdef", 2, 2},
      {"arrows up and down mean nothing in one line", kSingle, 5, 3, 256, "abc", U + D, "abc", 3,
       0},
  };
  return cases;
}

TEST(TextBoxModel, KeysEditTheTextAsEachModeSays) {
  for (const EditCase& c : EditCases()) {
    SCOPED_TRACE(c.what);
    Box box(c.columns, c.rows, c.initial, c.setup, c.maxLength);
    box.Run(c.keys);
    const std::string& content = box.model.Content();
    EXPECT_EQ(content.substr(0, box.model.TextLength()), c.content);
    EXPECT_EQ(content.find_first_not_of(' ', box.model.TextLength()), std::string::npos);
    EXPECT_EQ(box.model.Caret(), c.caret);
    EXPECT_EQ(box.refusals, c.refusals);
    EXPECT_EQ(content.size(), static_cast<std::size_t>(box.model.MaxLength()));
  }
}

TEST(TextBoxModel, TheLengthCountsNeitherRefusedNorOverwrittenCharacters) {
  Box box(3, 1, "");
  box.Run("abcd");
  EXPECT_EQ(box.refusals, 1);
  EXPECT_EQ(box.model.TextLength(), 3);
  box.Run(L + L + L + "XY");
  EXPECT_EQ(box.model.TextLength(), 3);
  // The caret goes no further right than the text, so never onto the refused character's place.
  box.Run(R + R);
  EXPECT_EQ(box.refusals, 2);
  EXPECT_EQ(box.model.Caret(), 3);
}

TEST(TextBoxModel, DateModeOnAnAllocatedBufferNeverReachesPastIt) {
  Box small(12, 1, "", kSingle, 5);
  small.model.SetDateMode(true);
  EXPECT_EQ(small.model.MaxLength(), 5);
  small.Run("123456");
  EXPECT_EQ(small.model.Text(), "12/34");
  EXPECT_EQ(small.refusals, 2);
  EXPECT_EQ(small.model.Content().size(), 5u);

  Box large(30, 1, "a long text of many letters");
  large.model.SetDateMode(true);
  EXPECT_EQ(large.model.MaxLength(), 10);
  EXPECT_EQ(large.model.Text(), "a long tex");
  EXPECT_EQ(large.model.Caret(), 10);
  EXPECT_FALSE(large.model.DeleteClosesGap());
  EXPECT_TRUE(large.model.IsNumeric());
}

TEST(TextBoxModel, MaxLengthIsFixedOnceAllocatedAndKeptInRange) {
  TextBoxModel model;
  model.SetMaxLength(-5);
  EXPECT_EQ(model.MaxLength(), 0);
  model.SetMaxLength(1 << 30);
  EXPECT_EQ(model.MaxLength(), kMaxTextLength);
  model.SetMaxLength(10);
  model.Allocate("");
  model.SetMaxLength(20);
  EXPECT_EQ(model.MaxLength(), 10);

  Box empty(12, 1, "abc", kSingle, 0);
  empty.Run("x" + kDel + kBack);
  EXPECT_EQ(empty.model.Content(), "");
  EXPECT_EQ(empty.refusals, 2);
}

TEST(TextBoxModel, NothingIsEditedBeforeTheBufferExists) {
  TextBoxModel model;
  model.SetGrid({12, 1, 12});
  EXPECT_EQ(model.Type(kDeleteChar), EditOutcome::Unchanged);
  EXPECT_EQ(model.Type('a'), EditOutcome::Unchanged);
  EXPECT_EQ(model.MoveCaret(CaretMove::Left), EditOutcome::Unchanged);
  model.PlaceCaretAtCell(3);
  EXPECT_EQ(model.Content(), "");
}

TEST(TextBoxModel, LoadingCutsASingleLineAtItsFirstLineFeed) {
  Box single(12, 2, "ab\ncd");
  EXPECT_EQ(single.model.Text(), "ab");
  EXPECT_EQ(single.model.Caret(), 2);
  Box multi(12, 2, "ab\ncd", kMulti);
  EXPECT_EQ(multi.model.Text(), "ab\ncd");
  Box longer(12, 1, "abcdef", kSingle, 4);
  EXPECT_EQ(longer.model.Text(), "abcd");
  EXPECT_EQ(longer.model.TextLength(), 4);
}

TEST(TextBoxModel, GetTextDropsTrailingBlanksAndLineBreaks) {
  Box box(12, 3, "ab", kMulti);
  box.Run(" \r");
  EXPECT_EQ(box.model.TextLength(), 4);
  EXPECT_EQ(box.model.Text(), "ab");
}

TEST(TextBoxModel, APressPutsTheCaretOnTheCharacterOrAfterTheText) {
  Box box(5, 3, "ab\rcd", kMulti);
  box.model.PlaceCaretAtCell(1);
  EXPECT_EQ(box.model.Caret(), 1);
  box.model.PlaceCaretAtCell(4);  // right of the line: on its line break
  EXPECT_EQ(box.model.Caret(), 2);
  box.model.PlaceCaretAtCell(13);  // below the text
  EXPECT_EQ(box.model.Caret(), 5);
  box.model.PlaceCaretAtCell(15);  // outside the grid: nothing
  EXPECT_EQ(box.model.Caret(), 5);

  Box date(12, 1, "25/12/2024", kDate);
  date.model.PlaceCaretAtCell(5);
  EXPECT_EQ(date.model.Caret(), 4);
}

}  // namespace
