// The text box's editing model under fuzzed keys, presses, grids and modes switched at any
// time, before the buffer exists and after. Whatever the sequence, the buffer keeps its size,
// 0 <= caret <= textLength <= maxLength holds, every laid-out cell names a character of the
// buffer or its end, a refused or ignored key changes nothing, and a typed character that is
// taken stands where the caret was, in a cell the box shows.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/widgets/TextBoxModel.h"

using namespace tessarin;

namespace {

using fuzz::Require;

struct Snapshot {
  std::string content;
  int caret;
  int textLength;
  bool operator==(const Snapshot& other) const {
    return content == other.content && caret == other.caret && textLength == other.textLength;
  }
};

Snapshot Take(const TextBoxModel& model) {
  return {model.Content(), model.Caret(), model.TextLength()};
}

void CheckInvariants(const TextBoxModel& model) {
  Require(model.MaxLength() >= 0 && model.MaxLength() <= kMaxTextLength, "maxLength in range");
  if (!model.IsAllocated()) return;
  Require(int(model.Content().size()) == model.MaxLength(), "the buffer holds maxLength chars");
  Require(0 <= model.Caret() && model.Caret() <= model.TextLength() &&
              model.TextLength() <= model.MaxLength(),
          "0 <= caret <= textLength <= maxLength");
  const CellLayout layout = model.Layout();
  const GridSize& grid = model.Grid();
  Require(int(layout.cells.size()) == std::max(grid.capacity, 0), "one entry per cell");
  Require(layout.usedCells <= int(layout.cells.size()), "used cells inside the grid");
  Require(layout.laidCount <= model.MaxLength() + 1, "laid indices inside the buffer");
  for (const LaidCell& cell : layout.cells)
    Require(cell.index >= 0 && cell.index <= model.MaxLength(), "a cell names a buffer index");
}

GridSize FuzzedGrid(FuzzedDataProvider& input) {
  const int w = input.ConsumeIntegralInRange(-10, 900);
  const int h = input.ConsumeIntegralInRange(-10, 500);
  const int cellWidth = input.ConsumeIntegralInRange(-1, 24);
  const int lineHeight = input.ConsumeIntegralInRange(-1, 30);
  return MeasureGrid(w, h, cellWidth, lineHeight);
}

void TypeKey(TextBoxModel& model, char ch) {
  const Snapshot before = Take(model);
  const bool wasMultiLine = model.IsMultiLine();
  const bool wasNumeric = model.IsNumeric();
  const EditOutcome outcome = model.Type(ch);
  if (outcome != EditOutcome::Changed)
    return Require(Take(model) == before, "a refused or ignored key changes nothing");
  const unsigned char byte = static_cast<unsigned char>(ch);
  if (byte < 32 || ch == kDeleteChar) return;
  Require(!wasNumeric || std::isdigit(byte) || ch == '.', "numeric boxes take digits and '.'");
  Require(model.Content()[before.caret] == ch, "a typed character stands where the caret was");
  const int shown = wasMultiLine ? model.TextLength() : before.caret;
  Require(model.Layout().Fits(shown), "what is typed stays inside the box");
}

void MoveKey(TextBoxModel& model, CaretMove move) {
  const Snapshot before = Take(model);
  if (model.MoveCaret(move) != EditOutcome::Changed)
    Require(Take(model) == before, "a refused move leaves the caret");
  Require(Take(model).content == before.content, "moving the caret edits nothing");
}

void Step(TextBoxModel& model, FuzzedDataProvider& input) {
  static constexpr char kControls[] = {kBackspaceChar, kReturnChar, kEscapeChar, kDeleteChar,
                                       kTabChar,       '\n',        '\0',        '/'};
  switch (input.ConsumeIntegralInRange(0, 19)) {
    case 0:
      return TypeKey(model, kControls[input.ConsumeIntegralInRange(0, 7)]);
    case 1:
      return MoveKey(model, static_cast<CaretMove>(input.ConsumeIntegralInRange(0, 3)));
    case 2:
      return model.PlaceCaretAtCell(input.ConsumeIntegralInRange(-2, kMaxTextCells + 2));
    case 3:
      return model.SetDateMode(input.ConsumeBool());
    case 4:
      return model.SetDeleteClosesGap(input.ConsumeBool());
    case 5:
      return model.SetMultiLine(input.ConsumeBool());
    case 6:
      return model.SetNumeric(input.ConsumeBool());
    case 7:
      return model.SetAllowDecimalPoint(input.ConsumeBool());
    case 8:
      return model.SetPassword(input.ConsumeBool());
    case 9:
      return model.SetGrid(FuzzedGrid(input));
    case 10:
      return model.SetMaxLength(input.ConsumeIntegralInRange(-5, 400));
    case 11:
      return model.Allocate(input.ConsumeRandomLengthString(64));
    case 12:
      return model.Load(input.ConsumeRandomLengthString(64));
    default:
      return TypeKey(model, input.ConsumeIntegral<char>());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  TextBoxModel model;
  model.SetGrid(FuzzedGrid(input));
  while (input.remaining_bytes() > 0) {
    Step(model, input);
    CheckInvariants(model);
  }
  return 0;
}
