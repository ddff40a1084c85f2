// Text boxes drawn in the shared font on the private server. Expected pictures are drawn
// with the same font in boxes that need no wrapping, and compared pixel for pixel.
#include "graphics/GraphicsTestSupport.h"

#include "tessarin/graphics/MyFont.h"
#include "tessarin/graphics/Painter.h"

using namespace tessarin;

namespace {

constexpr Color kBack = 0x202020;
constexpr Color kInk = 0xFFFFFF;
constexpr Color kPaper = 0x000080;

class DrawTextBoxTest : public CanvasFixture {
 protected:
  DrawTextBoxTest() : CanvasFixture({20, 300, 300, 200}) {}
  void SetUp() override {
    CanvasFixture::SetUp();
    font = SharedFont();
    ASSERT_NE(font, nullptr);
    line = font->ascent > 15 ? font->ascent + 1 : 15;
  }
  int Width(const std::string& text) {
    return XTextWidth(font, text.data(), static_cast<int>(text.size()));
  }
  // The text alone on one line whose box top is y, at x: the picture each line should match.
  void DrawReference(Painter& painter, int x, int y, const std::string& text) {
    painter.DrawTextBox(x, y, 0, line, text, kInk, kNoColor, TextAlign::Left);
  }

  XFontStruct* font = nullptr;
  int line = 0;
};

TEST_F(DrawTextBoxTest, TheSharedFontIsTheFormsDefaultPattern) {
  EXPECT_EQ(form->GetFont().GetName(), "-*-*-Medium-R-Normal--14-*");
  Painter painter(PaintTargetOf(form.get()));
  EXPECT_EQ(painter.LineHeight(), font->ascent + 1);
  EXPECT_EQ(painter.CharWidth(), Width("M"));
}

TEST_F(DrawTextBoxTest, ASingleLineSitsOnTheCentredBaseline) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawTextBox(10, 10, 100, 25, "H", kInk, kNoColor, TextAlign::Left);
  int direction, ascent, descent;
  XCharStruct ink;
  XTextExtents(font, "H", 1, &direction, &ascent, &descent, &ink);
  int drawnAt = 10 + line + (25 - line) / 2 - 1;
  ScreenArea area = Area(10, 10, 100, 25);
  int lowest = -1, leftmost = 1000;
  for (int y = 10; y < 35; ++y) {
    for (int x = 10; x < 110; ++x) {
      if (area.At(x, y) != kInk) continue;
      lowest = std::max(lowest, y);
      leftmost = std::min(leftmost, x);
    }
  }
  EXPECT_EQ(lowest, drawnAt + ink.descent - 1);
  EXPECT_EQ(leftmost, 10 + ink.lbearing);
}

TEST_F(DrawTextBoxTest, HelloWorldWrapsIntoTwoLeftAlignedLines) {
  int w = (Width("Hello") + Width("Hello world")) / 2;
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawTextBox(10, 10, w, 3 * line, "Hello world", kInk, kNoColor, TextAlign::Center);
  DrawReference(painter, 150, 10, "Hello");
  DrawReference(painter, 150, 10 + line, "world");
  ScreenArea boxed = Area(10, 10, w, 2 * line);
  ScreenArea expected = Area(150, 10, w, 2 * line);
  EXPECT_GT(expected.CountOf(kInk), 0);
  EXPECT_EQ(boxed.Pixels(), expected.Pixels());
}

TEST_F(DrawTextBoxTest, EmptyLinesVanish) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawTextBox(10, 10, 100, 3 * line, "A\n\nB", kInk, kNoColor, TextAlign::Left);
  DrawReference(painter, 150, 10, "A");
  DrawReference(painter, 150, 10 + line, "B");
  EXPECT_EQ(Area(10, 10, 100, 3 * line).Pixels(), Area(150, 10, 100, 3 * line).Pixels());
}

TEST_F(DrawTextBoxTest, AWordWiderThanTheBoxIsBrokenInside) {
  int w = Width("MMM") + Width("M") / 2;
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawTextBox(10, 10, w, 3 * line, "MMMMM", kInk, kNoColor, TextAlign::Left);
  DrawReference(painter, 150, 10, "MMM");
  DrawReference(painter, 150, 10 + line, "MM");
  EXPECT_EQ(Area(10, 10, 60, 3 * line).Pixels(), Area(150, 10, 60, 3 * line).Pixels());
}

TEST_F(DrawTextBoxTest, BoxesOfNineOrFewerPixelsDrawNothing) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawTextBox(10, 10, 100, 9, "Hidden", kInk, kPaper, TextAlign::Left);
  painter.DrawTextBox(10, 30, 0, 9, "Hidden", kInk, kPaper, TextAlign::Left);
  EXPECT_EQ(Area(0, 0, 130, 50).CountOf(kBack), 130 * 50);
}

TEST_F(DrawTextBoxTest, WithoutAWidthCentringStartsAtX) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawTextBox(10, 10, 0, line, "Abc", kInk, kPaper, TextAlign::Center);
  DrawReference(painter, 150, 10, "Abc");
  EXPECT_EQ(Area(10, 10, 60, line).Pixels(), Area(150, 10, 60, line).Pixels());
  EXPECT_EQ(Area(0, 0, 140, 40).CountOf(kPaper), 0);  // and no background without a width
}

TEST_F(DrawTextBoxTest, TheBackgroundCoversTheWholeBox) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawTextBox(10, 10, 40, 30, "", kInk, kPaper, TextAlign::Left);
  ScreenArea area = Area(9, 9, 42, 32);
  for (int y = 9; y < 41; ++y) {
    for (int x = 9; x < 51; ++x) {
      bool inside = x >= 10 && x < 50 && y >= 10 && y < 40;
      EXPECT_EQ(area.At(x, y), inside ? kPaper : kBack) << x << "," << y;
    }
  }
}

}  // namespace
