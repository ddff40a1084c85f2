// The Painter's text operations. All text is measured and drawn in the target's font; where
// there is none (no form yet, or a server without fonts) no text is drawn or measured, but a
// box still gets its background, which is all a tile or a caption shows of its state then.
#include <string>
#include <vector>

#include "tessarin/graphics/Painter.h"
#include "tessarin/graphics/TextPlacement.h"

namespace tessarin {

void Painter::DrawTextBox(int x, int y, int w, int h, const std::string& text, Color fg, Color bg,
                          TextAlign align) {
  if (gc == nullptr) return;
  UseForeground(fg);
  if (bg != kNoColor) XSetBackground(display, gc, PixelOf(bg));
  if (!TextBoxHasRoom(h)) return;
  if (w > 0 && bg != kNoColor) {
    FillBox({x, y, w, h}, bg);
    UseForeground(fg);
  }
  XFontStruct* font = target.font;
  if (font == nullptr) return;
  auto measure = [font](const std::string& line) { return FontTextWidth(font, line); };
  TextBox box{x, y, w, h, align};
  for (const PlacedLine& line : LayoutTextBox(box, text, TextLineHeight(font->ascent), measure)) {
    if (line.text.empty()) continue;
    XDrawString(display, drawable, gc, line.x, line.y, line.text.data(),
                static_cast<int>(line.text.size()));
  }
}

void Painter::DrawGlyphCells(const std::vector<int>& cellXs, const std::string& glyphs, int y,
                             int w, int h, Color fg, TextAlign align) {
  XFontStruct* font = target.font;
  if (gc == nullptr || font == nullptr || !TextBoxHasRoom(h)) return;
  auto measure = [font](const std::string& line) { return FontTextWidth(font, line); };
  const int lineHeight = TextLineHeight(font->ascent);
  // Each item's delta moves the pen from the end of the glyph before to where this one stands.
  std::vector<XTextItem> items;
  int startX = 0;
  int baseline = 0;
  int pen = 0;
  for (std::size_t i = 0; i < glyphs.size() && i < cellXs.size(); ++i) {
    const TextBox cell{cellXs[i], y, w, h, align};
    for (const PlacedLine& line : LayoutTextBox(cell, glyphs.substr(i, 1), lineHeight, measure)) {
      if (line.text.empty()) continue;
      if (items.empty()) {
        startX = pen = line.x;
        baseline = line.y;
      }
      XTextItem item{const_cast<char*>(&glyphs[i]), 1, line.x - pen, None};
      items.push_back(item);
      pen = line.x + measure(line.text);
    }
  }
  if (items.empty()) return;
  UseForeground(fg);
  XDrawText(display, drawable, gc, startX, baseline, items.data(), static_cast<int>(items.size()));
}

void Painter::DrawTextBox(int x, int y, int w, int h, const std::string& text, Color fg, Color bg,
                          const MyFont&, TextAlign align) {
  DrawTextBox(x, y, w, h, text, fg, bg, align);
}

int Painter::LineHeight() {
  return FontLineHeight(target.font);
}

int Painter::CharWidth() {
  return FontCharWidth(target.font);
}

int FontLineHeight(const XFontStruct* font) {
  return font != nullptr ? font->ascent + 1 : 0;
}

int FontCharWidth(XFontStruct* font) {
  return font != nullptr ? XTextWidth(font, "M", 1) : 0;
}

int FontTextWidth(XFontStruct* font, const std::string& text) {
  return font != nullptr ? XTextWidth(font, text.data(), static_cast<int>(text.size())) : 0;
}

}  // namespace tessarin
