// Where the keys window puts the key table: a column of keys and a column of meanings, one row
// a line, each column as wide as its longest text in the font the window draws with and each
// row as high as a line of it, so that no text is wrapped or cut; the window's size follows.
// Free of X: the caller hands over the measure and the line height of the shared font.
#pragma once

#include <string>
#include <vector>

#include "game/KeyTable.h"
#include "tessarin/graphics/Rect.h"
#include "tessarin/graphics/TextPlacement.h"

struct KeysCell {
  tessarin::Rect box;
  // As the cell shows it, a blank away from its frame.
  std::string text;
};

struct KeysWindowLayout {
  // Row by row: the keys, then what they do.
  std::vector<KeysCell> cells;
  int width = 0;
  int height = 0;
  tessarin::Rect okButton;
};

KeysWindowLayout LayOutKeysWindow(const KeyRows& rows, const tessarin::TextMeasure& measure,
                                  int lineHeight);
