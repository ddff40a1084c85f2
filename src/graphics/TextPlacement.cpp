#include "tessarin/graphics/TextPlacement.h"

#include <cctype>

namespace tessarin {

namespace {

constexpr int kMinimumLineHeight = 15;

// The line being placed, and how many characters of the text come after it.
struct LineCut {
  std::string line;
  std::size_t cut = 0;
  bool wrapped = false;
};

bool IsLetter(char ch) {
  return std::isalpha(static_cast<unsigned char>(ch)) != 0;
}

bool IsSpace(char ch) {
  return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

std::string StripSpace(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsSpace(text[begin])) ++begin;
  while (end > begin && IsSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

LineCut SplitAtNewline(std::string& text) {
  if (text == "\n") {
    text.clear();
    return {};
  }
  std::size_t newline = text.find('\n');
  if (newline == std::string::npos) return {text, 0, false};
  return {text.substr(0, newline), text.size() - newline, false};
}

// Shortens the line one character at a time until it fits; a cut that falls inside a word
// moves back to the blank before the word, and a word with no blank before it is broken.
void WrapToWidth(const std::string& text, int width, const TextMeasure& measure, LineCut& cut) {
  const std::size_t length = text.size();
  while (!cut.line.empty() && measure(cut.line) > width) {
    ++cut.cut;
    std::size_t end = length - cut.cut;
    if (IsLetter(text[end]) && end > 0) {
      std::size_t blank = text.rfind(' ', end - 1);
      if (blank != std::string::npos) {
        cut.cut = length - blank;
        end = blank;
      }
    }
    cut.line = text.substr(0, end);
    cut.wrapped = true;
  }
}

int AlignedX(const TextBox& box, int textWidth, TextAlign align) {
  if (box.w <= 0 || align == TextAlign::Left || textWidth == 0) return box.x;
  if (align == TextAlign::Right) return box.x + box.w - textWidth;
  return box.x + (box.w - textWidth) / 2;
}

}  // namespace

int TextLineHeight(int ascent) {
  return ascent > kMinimumLineHeight ? ascent + 1 : kMinimumLineHeight;
}

std::vector<PlacedLine> LayoutTextBox(const TextBox& box, const std::string& text, int lineHeight,
                                      const TextMeasure& measure) {
  std::vector<PlacedLine> lines;
  if (lineHeight <= 0) return lines;
  TextBox rest = box;
  std::string remaining = text;
  bool first = true;
  while (TextBoxHasRoom(rest.h)) {
    LineCut cut = SplitAtNewline(remaining);
    if (rest.w > 0) WrapToWidth(remaining, rest.w, measure, cut);
    int textWidth = rest.w > 0 ? measure(cut.line) : 0;
    if (cut.cut == 0) {
      int centring = first ? (rest.h - lineHeight) / 2 : 0;
      int baseline = rest.y + lineHeight + centring;
      lines.push_back({cut.line, AlignedX(rest, textWidth, rest.align), baseline - 1});
      break;
    }
    // After a wrapped line the alignment is dropped: every following line starts at x.
    int lineX = cut.wrapped ? rest.x : AlignedX(rest, textWidth, rest.align);
    if (cut.wrapped) rest.align = TextAlign::Left;
    lines.push_back({cut.line, lineX, rest.y + lineHeight - 1});
    remaining = StripSpace(remaining.substr(cut.line.size()));
    rest.y += lineHeight;
    rest.h -= lineHeight;
    first = false;
  }
  return lines;
}

}  // namespace tessarin
