// Where the lines of a text box go: the line breaking, alignment and placement behind
// Painter::DrawTextBox, free of X so it can be checked with any width measure. The caller
// supplies the measure (the shared font's XTextWidth on screen) and draws the lines it gets.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tessarin {

// Where the lines of a text box stand across its width. The values are the alignment codes
// the toolkit's widgets store.
enum class TextAlign { Left = 0, Right = 1, Center = 2 };

struct TextBox {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  TextAlign align = TextAlign::Left;
};

// One line ready to draw: y is the position handed to XDrawString (the baseline minus one).
struct PlacedLine {
  std::string text;
  int x = 0;
  int y = 0;
};

using TextMeasure = std::function<int(const std::string&)>;

// The height of a line box for a font of this ascent: ascent + 1, but never below 15.
int TextLineHeight(int ascent);

// A box of h <= 9 pixels holds no line; nothing is drawn in it, not even its background.
inline bool TextBoxHasRoom(int h) {
  return h > 9;
}

// Splits at newlines and, when box.w > 0, wraps at word boundaries to box.w. A single line is
// centred vertically; lines stop where less than 10 pixels of height remain.
std::vector<PlacedLine> LayoutTextBox(const TextBox& box, const std::string& text, int lineHeight,
                                      const TextMeasure& measure);

}  // namespace tessarin
