#include "game/KeyTable.h"

#include <X11/keysym.h>

#include <algorithm>
#include <iterator>

#include "game/FormMain.h"
#include "tessarin/util/CharacterCodes.h"

using namespace tessarin;

namespace {

// What the letter keys type with Ctrl held.
constexpr unsigned long kCtrlY = 'Y' - '@';
constexpr unsigned long kCtrlZ = 'Z' - '@';
constexpr unsigned long kBackspace = kBackspaceChar;

void SlideUp(FormMain& form) {
  form.SlideFromKeyboard(Slide::Up);
}
void SlideDown(FormMain& form) {
  form.SlideFromKeyboard(Slide::Down);
}
void SlideLeft(FormMain& form) {
  form.SlideFromKeyboard(Slide::Left);
}
void SlideRight(FormMain& form) {
  form.SlideFromKeyboard(Slide::Right);
}
void Undo(FormMain& form) {
  form.UndoMove();
}
void Redo(FormMain& form) {
  form.RedoMove();
}
void Hint(FormMain& form) {
  form.AskForHint();
}
void OpenStatistics(FormMain& form) {
  form.OpenStatistics();
}
void OpenKeys(FormMain& form) {
  form.OpenKeys();
}
void OpenSettings(FormMain& form) {
  form.OpenSettings();
}

constexpr KeyInput Symbol(unsigned long keysym) {
  return {KeyKind::Symbol, keysym};
}
constexpr KeyInput Character(unsigned long ch) {
  return {KeyKind::Character, ch};
}

constexpr KeyBinding kArrows[] = {
    {Symbol(XK_Left), "Left", SlideLeft},
    {Symbol(XK_Right), "Right", SlideRight},
    {Symbol(XK_Up), "Up", SlideUp},
    {Symbol(XK_Down), "Down", SlideDown},
};
constexpr KeyBinding kKeypadArrows[] = {
    {Symbol(XK_KP_Left), "Keypad arrows", SlideLeft},
    {Symbol(XK_KP_Right), "Keypad arrows", SlideRight},
    {Symbol(XK_KP_Up), "Keypad arrows", SlideUp},
    {Symbol(XK_KP_Down), "Keypad arrows", SlideDown},
};
constexpr KeyBinding kLetterArrows[] = {
    {Character('w'), "W", SlideUp},    {Character('W'), "W", SlideUp},
    {Character('a'), "A", SlideLeft},  {Character('A'), "A", SlideLeft},
    {Character('s'), "S", SlideDown},  {Character('S'), "S", SlideDown},
    {Character('d'), "D", SlideRight}, {Character('D'), "D", SlideRight},
};
constexpr KeyBinding kUndoKeys[] = {
    {Character('u'), "U", Undo},
    {Character('U'), "U", Undo},
    {Character(kCtrlZ), "Ctrl+Z", Undo},
    {Character(kBackspace), "BackSpace", Undo},
};
constexpr KeyBinding kRedoKeys[] = {
    {Character('r'), "R", Redo},
    {Character('R'), "R", Redo},
    {Character(kCtrlY), "Ctrl+Y", Redo},
};
constexpr KeyBinding kHintKeys[] = {
    {Character('h'), "H", Hint},
    {Character('H'), "H", Hint},
};
constexpr KeyBinding kStatisticsKeys[] = {{Symbol(XK_F2), "F2", OpenStatistics}};
constexpr KeyBinding kKeysWindowKeys[] = {{Symbol(XK_F1), "F1", OpenKeys}};
constexpr KeyBinding kSettingsKeys[] = {{Symbol(XK_F3), "F3", OpenSettings}};

template <std::size_t N>
constexpr KeyRow Keys(const KeyBinding (&bindings)[N], const char* meaning) {
  return {"", meaning, bindings, N};
}
// A rule of the window that something other than the table carries out.
constexpr KeyRow Rule(const char* keys, const char* meaning) {
  return {keys, meaning, nullptr, 0};
}
constexpr KeyRow Note(const char* text) {
  return {"", text, nullptr, 0};
}

constexpr KeyRow kRows[] = {
    Keys(kArrows, "slide the tile on the far side of the gap into it"),
    Keys(kKeypadArrows, "the same as the arrows"),
    Keys(kLetterArrows, "the same as Up, Left, Down and Right"),
    Keys(kUndoKeys, "take back the last move"),
    Keys(kRedoKeys, "make the move taken back again"),
    Keys(kHintKeys, "slide the first tile of a shortest solution"),
    Keys(kStatisticsKeys, "open the statistics window"),
    Keys(kKeysWindowKeys, "open the keys window"),
    Keys(kSettingsKeys, "open the settings window"),
    Rule("Tab", "move the focus to the next button"),
    Rule("Return", "press the focused button, or answer a message box"),
    Rule("Escape, Return", "close the About, statistics or keys window"),
    Rule("Delete", "close the About window"),
    Rule("Return, Escape", "OK or Cancel in the settings window"),
    Rule("Mouse on a tile", "a tile next to the gap slides into it"),
    Rule("Mouse, row slides on", "every tile between it and the gap slides"),
    Rule("Mouse, dialog open", "the main window beeps and shows the dialog"),
    Note("Moves, undo, redo and hints work during a game."),
    Note("A game won with a hint counts for no best result."),
    Note("Hints at 5 x 5 and 6 x 6 are not the shortest."),
    Note("Letters work in either case."),
};

// Between the keys column and the meanings of the text form.
constexpr std::size_t kColumnGap = 2;
constexpr char kIndent[] = "  ";

}  // namespace

KeyRows MainWindowKeyRows() {
  return {kRows, std::size(kRows)};
}

std::string KeysOf(const KeyRow& row) {
  if (row.bindingCount == 0) return row.keys;
  std::string keys;
  const char* last = nullptr;
  for (const KeyBinding& binding : row) {
    if (last != nullptr && std::string(last) == binding.name) continue;
    if (!keys.empty()) keys += ", ";
    keys += binding.name;
    last = binding.name;
  }
  return keys;
}

bool RunKeyBinding(const KeyInput& input, FormMain& form) {
  for (const KeyRow& row : kRows) {
    for (const KeyBinding& binding : row) {
      if (!(binding.input == input)) continue;
      binding.action(form);
      return true;
    }
  }
  return false;
}

std::string KeyTableText() {
  std::size_t keysWidth = 0;
  for (const KeyRow& row : kRows) keysWidth = std::max(keysWidth, KeysOf(row).size());
  std::string text;
  for (const KeyRow& row : kRows) {
    const std::string keys = KeysOf(row);
    text += kIndent;
    if (!keys.empty()) text += keys + std::string(keysWidth + kColumnGap - keys.size(), ' ');
    text += std::string(row.meaning) + "\n";
  }
  return text;
}
