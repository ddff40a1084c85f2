// The layout behind DrawTextBox over fuzzed boxes, fonts and texts, with a measure that gives
// each byte a fuzzed width. Lines never hold a newline, never come out wider than a box with a
// width, stand one line height apart and stop before the box's height runs out; no character
// other than white space is lost or reordered, and in a box tall enough every one is shown.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "tessarin/graphics/TextPlacement.h"

using namespace tessarin;

namespace {

using fuzz::Require;
// Wrapping re-measures the line for every character it drops; longer texts only slow the run.
constexpr std::size_t kMaxText = 400;

std::string WithoutSpace(const std::string& text) {
  std::string kept;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) kept += c;
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  TextBox box;
  box.x = input.ConsumeIntegralInRange(-50, 50);
  box.y = input.ConsumeIntegralInRange(-50, 50);
  box.w = input.ConsumeIntegralInRange(-20, 400);
  box.h = input.ConsumeIntegralInRange(-20, 2000);
  box.align = static_cast<TextAlign>(input.ConsumeIntegralInRange(0, 2));
  const int lineHeight = input.ConsumeIntegralInRange(-2, 60);
  const int base = input.ConsumeIntegralInRange(0, 12);
  const int spread = input.ConsumeIntegralInRange(1, 8);
  const std::string text = input.ConsumeRandomLengthString(kMaxText);
  const auto width = [&](unsigned char c) { return base + c % spread; };
  const TextMeasure measure = [&](const std::string& s) {
    int total = 0;
    for (char c : s) total += width(static_cast<unsigned char>(c));
    return total;
  };

  const std::vector<PlacedLine> lines = LayoutTextBox(box, text, lineHeight, measure);
  if (lineHeight <= 0 || !TextBoxHasRoom(box.h)) {
    Require(lines.empty(), "a box without room holds no line");
    return 0;
  }
  Require(lines.size() <= std::size_t((box.h - 10) / lineHeight + 1), "lines stop at the height");
  std::string shown;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const PlacedLine& line = lines[i];
    Require(line.text.find('\n') == std::string::npos, "no line holds a newline");
    if (box.w > 0) Require(measure(line.text) <= box.w, "no line is wider than the box");
    if (box.w <= 0 || box.align == TextAlign::Left) Require(line.x == box.x, "left lines at x");
    Require(line.x >= box.x && (box.w <= 0 || line.x + measure(line.text) <= box.x + box.w),
            "every line stands inside the box's width");
    if (i > 0) Require(line.y == lines[i - 1].y + lineHeight, "lines one line height apart");
    shown += line.text;
  }
  const std::string visible = WithoutSpace(text);
  Require(visible.rfind(WithoutSpace(shown), 0) == 0,
          "the lines show the text's characters in order");
  const bool everyCharacterFits =
      box.w <= 0 || std::all_of(text.begin(), text.end(), [&](char c) {
        return std::isspace(static_cast<unsigned char>(c)) || width(c) <= box.w;
      });
  if (everyCharacterFits && box.h >= 10 + lineHeight * int(text.size() + 2))
    Require(WithoutSpace(shown) == visible, "a tall enough box shows every character");
  return 0;
}
