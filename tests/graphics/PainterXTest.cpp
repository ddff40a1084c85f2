// The shapes of the Painter, checked pixel by pixel on the private server.
#include "graphics/GraphicsTestSupport.h"

#include "tessarin/graphics/Painter.h"

using namespace tessarin;

namespace {

constexpr Color kBack = 0x202020;
constexpr Color kRed = 0xFF0000;
constexpr Color kGreen = 0x00FF00;

class PainterTest : public CanvasFixture {
 protected:
  PainterTest() : CanvasFixture({20, 20}) {}
};

TEST_F(PainterTest, FillRectCoversOneColumnAndRowLessThanItsBox) {
  Painter painter(PaintTargetOf(form.get()));
  ASSERT_TRUE(painter.IsValid());
  painter.FillRect(10, 10, 5, 5, 0, 0, kRed);
  ScreenArea area = Area(8, 8, 9, 9);
  for (int y = 8; y < 17; ++y) {
    for (int x = 8; x < 17; ++x) {
      bool inside = x >= 10 && x <= 13 && y >= 10 && y <= 13;
      EXPECT_EQ(area.At(x, y), inside ? kRed : kBack) << x << "," << y;
    }
  }
}

TEST_F(PainterTest, FillRectOfWidthOrHeightOneFillsNothing) {
  Painter painter(PaintTargetOf(form.get()));
  painter.FillRect(30, 10, 1, 8, 0, 0, kRed);
  painter.FillRect(40, 10, 8, 1, 0, 0, kRed);
  EXPECT_EQ(Area(28, 8, 24, 12).CountOf(kRed), 0);
}

TEST_F(PainterTest, FillBoxCoversExactlyItsBoxAndAnEmptyBoxNothing) {
  Painter painter(PaintTargetOf(form.get()));
  painter.FillBox({10, 10, 5, 3}, kRed);
  painter.FillBox({30, 10, 0, 4}, kRed);
  EXPECT_EQ(Area(9, 9, 7, 5).CountOf(kRed), 15);
  EXPECT_EQ(Area(10, 10, 5, 3).CountOf(kRed), 15);
  EXPECT_EQ(Area(28, 8, 6, 8).CountOf(kRed), 0);
}

TEST_F(PainterTest, FillRectWithABorderOutlinesTheFilledArea) {
  Painter painter(PaintTargetOf(form.get()));
  painter.FillRect(10, 10, 6, 6, 1, kGreen, kRed);
  ScreenArea area = Area(10, 10, 6, 6);
  EXPECT_EQ(area.At(10, 10), kGreen);
  EXPECT_EQ(area.At(14, 14), kGreen);
  EXPECT_EQ(area.At(12, 12), kRed);
  EXPECT_EQ(area.At(15, 15), kBack);
}

TEST_F(PainterTest, DrawRectOutlinesExactlyItsBox) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawRect(10, 10, 5, 5, 1, kRed);
  ScreenArea area = Area(9, 9, 7, 7);
  for (int y = 9; y < 16; ++y) {
    for (int x = 9; x < 16; ++x) {
      bool edge = (x == 10 || x == 14) && y >= 10 && y <= 14;
      edge = edge || ((y == 10 || y == 14) && x >= 10 && x <= 14);
      EXPECT_EQ(area.At(x, y), edge ? kRed : kBack) << x << "," << y;
    }
  }
}

TEST_F(PainterTest, NoColorKeepsTheForegroundOfThePreviousPrimitive) {
  Painter painter(PaintTargetOf(form.get()));
  painter.FillRect(10, 10, 3, 3, 0, 0, kGreen);
  painter.DrawRect(20, 10, 3, 3, 1, kNoColor);
  painter.DrawLine(30, 10, 35, 10, 1, kNoColor);
  painter.FillRect(40, 10, 3, 3, 0, 0, kNoColor);
  EXPECT_EQ(PixelAt(form.get(), 20, 10), kGreen);
  EXPECT_EQ(PixelAt(form.get(), 33, 10), kGreen);
  EXPECT_EQ(PixelAt(form.get(), 41, 11), kGreen);
}

TEST_F(PainterTest, DashedLinesHaveGapsAndLeaveTheLineSolidAfterwards) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawLine(10, 10, 60, 10, 1, 1, kRed);
  ScreenArea dashed = Area(10, 10, 51, 1);
  EXPECT_GT(dashed.CountOf(kRed), 10);
  EXPECT_GT(dashed.CountOf(kBack), 10);

  painter.DrawLine(10, 20, 60, 20, 1, kRed);
  EXPECT_EQ(Area(10, 20, 51, 1).CountOf(kRed), 51);
}

TEST_F(PainterTest, AWideRectangleReturnsToOnePixelLines) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawRect(10, 10, 20, 20, 3, kRed);
  EXPECT_EQ(PixelAt(form.get(), 11, 20), kRed);  // the wide outline reaches inside
  painter.DrawLine(50, 10, 50, 40, 1, kGreen);
  ScreenArea line = Area(49, 20, 3, 1);
  EXPECT_EQ(line.At(49, 20), kBack);
  EXPECT_EQ(line.At(50, 20), kGreen);
  EXPECT_EQ(line.At(51, 20), kBack);
}

TEST_F(PainterTest, PointsAreReadBack) {
  Painter painter(PaintTargetOf(form.get()));
  painter.DrawPoint(7, 9, 0x123456);
  EXPECT_EQ(painter.GetPixel(7, 9), 0x123456);
  EXPECT_EQ(painter.GetPixel(8, 9), kBack);
}

TEST_F(PainterTest, EllipsesAndPolygons) {
  Painter painter(PaintTargetOf(form.get()));
  painter.FillEllipse(10, 10, 20, 20, 1, kGreen, kRed);
  EXPECT_EQ(PixelAt(form.get(), 20, 20), kRed);
  EXPECT_EQ(PixelAt(form.get(), 10, 10), kBack);  // the box's corner lies outside the curve
  EXPECT_EQ(PixelAt(form.get(), 20, 10), kGreen);

  XPoint triangle[] = {{50, 10}, {90, 10}, {50, 50}};
  painter.FillPolygon(triangle, 3, 1, kGreen, kRed);
  EXPECT_EQ(PixelAt(form.get(), 55, 15), kRed);
  EXPECT_EQ(PixelAt(form.get(), 70, 10), kGreen);
  EXPECT_EQ(PixelAt(form.get(), 80, 40), kBack);
}

TEST_F(PainterTest, OpenOutlinesDoNotReturnToTheFirstPoint) {
  Painter painter(PaintTargetOf(form.get()));
  XPoint corner[] = {{10, 60}, {40, 60}, {40, 90}};
  painter.DrawLines(corner, 3, 1, kRed);
  EXPECT_EQ(PixelAt(form.get(), 25, 60), kRed);
  EXPECT_EQ(PixelAt(form.get(), 40, 75), kRed);
  EXPECT_EQ(PixelAt(form.get(), 25, 75), kBack);  // no closing diagonal
}

TEST_F(PainterTest, WithoutAFormThereIsNoContextAndNothingHappens) {
  form.reset();  // no form is registered any more
  LogCapture log;
  Painter painter(PaintTargetOf(nullptr));
  EXPECT_FALSE(painter.IsValid());
  painter.FillRect(0, 0, 10, 10, 1, kRed, kRed);
  painter.DrawTextBox(0, 0, 50, 20, "text", kRed, kGreen, TextAlign::Left);
  painter.PutImage(0, 0, nullptr);
  EXPECT_EQ(painter.GetPixel(0, 0), kNoColor);
  EXPECT_EQ(log.Text(), "Errore nella creazione del GC\n");
}

TEST_F(PainterTest, ANullFormMeansTheFirstForm) {
  Painter painter(PaintTargetOf(nullptr));
  EXPECT_EQ(painter.GetTarget().drawable, form->GetWindow());
  painter.DrawPoint(3, 3, kRed);
  EXPECT_EQ(PixelAt(form.get(), 3, 3), kRed);
}

// The drawing layer needs no form: any drawable of the display will do, and the font is
// whatever the caller hands over.
class PainterOnPixmapTest : public XServerFixture {};

TEST_F(PainterOnPixmapTest, DrawsOnAPlainPixmapWithoutAnyForm) {
  ASSERT_TRUE(Application::Forms().empty());
  Window root = DefaultRootWindow(display());
  Pixmap pixmap = XCreatePixmap(display(), root, 40, 30, DefaultDepth(display(), 0));
  XFontStruct* font = XLoadQueryFont(display(), "fixed");
  ASSERT_NE(font, nullptr);
  {
    Painter painter(PaintTarget{display(), pixmap, font});
    ASSERT_TRUE(painter.IsValid());
    painter.FillRect(0, 0, 41, 31, 0, 0, kBack);
    painter.DrawBevel(2, 2, 10, 8, {kRed, kGreen});
    painter.DrawTextBox(14, 2, 26, 20, "W", kRed, kNoColor, TextAlign::Left);
  }
  ScreenArea area(display(), pixmap, 0, 0, 40, 30);
  ASSERT_TRUE(area.Valid());
  EXPECT_EQ(area.At(2, 2), kRed);     // top and left edges take the first colour
  EXPECT_EQ(area.At(6, 9), kGreen);   // bottom and right edges the second...
  EXPECT_EQ(area.At(11, 2), kGreen);  // ...which also wins both far corners
  EXPECT_EQ(area.At(2, 9), kGreen);
  EXPECT_EQ(area.At(6, 5), kBack);  // the inside stays as it was
  int ink = 0;
  for (int y = 2; y < 22; ++y) {
    for (int x = 14; x < 40; ++x) ink += area.At(x, y) == kRed ? 1 : 0;
  }
  EXPECT_GT(ink, 0);  // the text went into the pixmap in the handed-over font
  XFreeFont(display(), font);
  XFreePixmap(display(), pixmap);
}

}  // namespace
