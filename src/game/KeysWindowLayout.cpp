#include "game/KeysWindowLayout.h"

#include <algorithm>

using namespace tessarin;

namespace {

constexpr int kMargin = 10;
// A cell's frame takes a pixel on each side, and a row one more to part its line from the next.
constexpr int kFrames = 2;
constexpr int kRowSpacing = 1;
constexpr int kOkWidth = 80;
constexpr int kOkHeight = 28;
// From the table's last row to the window's bottom edge, the OK button between.
constexpr int kOkBand = 48;
constexpr int kOkFromBottom = 38;

// The text of a cell: a blank on either side keeps it off the frame.
std::string CellText(const std::string& text) {
  return " " + text + " ";
}

}  // namespace

KeysWindowLayout LayOutKeysWindow(const KeyRows& rows, const TextMeasure& measure, int lineHeight) {
  std::vector<std::string> texts;
  int keysWidth = 0;
  int meaningWidth = 0;
  for (const KeyRow& row : rows) {
    texts.push_back(CellText(KeysOf(row)));
    keysWidth = std::max(keysWidth, measure(texts.back()) + kFrames);
    texts.push_back(CellText(row.meaning));
    meaningWidth = std::max(meaningWidth, measure(texts.back()) + kFrames);
  }
  KeysWindowLayout layout;
  const int rowHeight = lineHeight + kFrames + kRowSpacing;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const bool keys = i % 2 == 0;
    const int top = kMargin + static_cast<int>(i / 2) * rowHeight;
    const Rect box{keys ? kMargin : kMargin + keysWidth, top, keys ? keysWidth : meaningWidth,
                   rowHeight};
    layout.cells.push_back({box, texts[i]});
  }
  layout.width = std::max(2 * kMargin + keysWidth + meaningWidth, 2 * kMargin + kOkWidth);
  layout.height = 2 * kMargin + static_cast<int>(rows.count) * rowHeight + kOkBand;
  layout.okButton = {(layout.width - kOkWidth) / 2, layout.height - kOkFromBottom, kOkWidth,
                     kOkHeight};
  return layout;
}
