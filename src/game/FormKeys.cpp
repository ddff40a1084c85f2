#include "game/FormKeys.h"

#include <iterator>
#include <string>

#include "widgets/ButtonCustom.h"
#include "widgets/CellControl.h"

namespace {

struct KeyRow {
  const char* keys;
  const char* meaning;
};

// What the main window answers to; letters in either case.
constexpr KeyRow kKeyRows[] = {
    {"Tab", "move the focus to the next button"},
    {"Return, Space", "press the focused button"},
    {"Left Right Up Down", "slide the tile on the far side of the gap into it"},
    {"W A S D", "the same as Up, Left, Down and Right"},
    {"U, Ctrl+Z, BackSpace", "take back the last move"},
    {"R, Ctrl+Y", "make the move taken back again"},
    {"H", "slide the first tile of a shortest solution"},
    {"F2", "open the statistics window"},
    {"F1", "open this window"},
    {"Escape", "close this window, statistics or About"},
    {"Mouse on a tile", "a tile next to the gap slides into it"},
    {"Mouse, dialog open", "the main window beeps and shows the dialog"},
    {"", "Letters work in either case."},
};

constexpr int kWindowWidth = 520;
constexpr int kMargin = 10;
constexpr int kRowHeight = 18;
constexpr int kKeyWidth = 160;
constexpr int kRowCount = static_cast<int>(std::size(kKeyRows));
constexpr int kWindowHeight = 2 * kMargin + kRowCount * kRowHeight + 48;
constexpr Color kKeyCream = 0xFFFDE5;
constexpr Color kMeaningWhite = 0xFFFFFF;

}  // namespace

FormKeys::FormKeys(Form* owner) : CompanionWindow(owner) {
  SetTitle("Keys");
  SetSize(kWindowWidth, kWindowHeight);
}

FormKeys::~FormKeys() {
  okButton.reset();
  cells.clear();
}

void FormKeys::LoadControls() {
  const int meaningWidth = kWindowWidth - 2 * kMargin - kKeyWidth;
  for (int i = 0; i < kRowCount; ++i) {
    const int top = kMargin + i * kRowHeight;
    CellControl* key = AddCell(kKeyRows[i].keys, kMargin, top, kKeyWidth);
    key->SetBackColor(kKeyCream);
    CellControl* meaning = AddCell(kKeyRows[i].meaning, kMargin + kKeyWidth, top, meaningWidth);
    meaning->SetBackColor(kMeaningWhite);
  }
  okButton = std::make_unique<ButtonCustom>(this, "OK");
  okButton->SetSize(80, 28);
  okButton->MoveTo((kWindowWidth - 80) / 2, kWindowHeight - 38);
  okButton->SetCommand(CommandToThis());
  okButton->Create();
}

CellControl* FormKeys::AddCell(const char* text, int left, int top, int w) {
  auto cell = std::make_unique<CellControl>(this);
  // A blank keeps the text off the frame.
  cell->SetText(std::string(" ") + text);
  cell->SetSize(w, kRowHeight);
  cell->MoveTo(left, top);
  cell->SetBorder(true);
  cell->SetTextAlign(TextAlign::Left);
  cell->Create();
  cells.push_back(std::move(cell));
  return cells.back().get();
}

void FormKeys::CommandClicked(GUIElement* element) {
  if (element != nullptr && okButton && element->GetId() == okButton->GetId()) CloseWindow();
}
