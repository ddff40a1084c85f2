// The main window's keys in one table: FormMain looks up in it what a key does, the keys window
// shows its rows and --help prints them, so that no key is listed that does not work. A row
// names its keys from its bindings; rows that the main window does not act on itself (Tab and
// Return, which the loop and the buttons answer, the dialogs' keys, the mouse) and the notes
// carry their words alone. Constant data; nothing is owned.
#pragma once

#include <cstddef>
#include <string>

class FormMain;

// Keys whose meaning lies in their symbol (arrows, function keys) act on the press; keys that
// type a character act on it when it reaches the window, at the release.
enum class KeyKind { Symbol, Character };

struct KeyInput {
  KeyKind kind;
  // The keysym, or the character typed (as an unsigned byte).
  unsigned long code;
};

inline bool operator==(const KeyInput& a, const KeyInput& b) {
  return a.kind == b.kind && a.code == b.code;
}

struct KeyBinding {
  KeyInput input;
  // The key as the table shows it; the twins of one key (both cases of a letter, the keypad's
  // arrows) share one name, which the row shows once.
  const char* name;
  void (*action)(FormMain& form);
};

struct KeyRow {
  // What the row's keys are called when it has no bindings; empty for a note.
  const char* keys;
  const char* meaning;
  const KeyBinding* bindings;
  std::size_t bindingCount;

  const KeyBinding* begin() const { return bindings; }
  const KeyBinding* end() const { return bindings + bindingCount; }
};

struct KeyRows {
  const KeyRow* first;
  std::size_t count;

  const KeyRow* begin() const { return first; }
  const KeyRow* end() const { return first + count; }
};

KeyRows MainWindowKeyRows();

// The keys column of a row: its bindings' names, each once, in order.
std::string KeysOf(const KeyRow& row);

// Runs what the table binds to the input; false when it binds nothing.
bool RunKeyBinding(const KeyInput& input, FormMain& form);

// The table as text, one row a line, the meanings in a column of their own.
std::string KeyTableText();
