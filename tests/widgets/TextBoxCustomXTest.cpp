// The text box on a real window, typed into through XTEST and the loop's dispatch: its frame,
// cells, caret and disabled look read back as pixels; that an edit repaints only the cells
// that changed; the beep for a refused key; presses that place the caret, also inside a
// panel; and that moving a box keeps what was typed.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/GraphicsTestSupport.h"
#include "support/BeepCounter.h"
#include "support/PixelRegion.h"
#include "tessarin/app/Application.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/widgets/PanelChildren.h"
#include "tessarin/widgets/TextBoxCustom.h"

using namespace tessarin;

namespace {

constexpr Color kFormColor = 0x336699;
constexpr Color kBoxColor = 0xFFF8DC;
constexpr Color kMarker = 0xFF00FF;

class TextBoxCustomTest : public CanvasFixture {
 protected:
  TextBoxCustomTest() : CanvasFixture({40, 40, 320, 220, kFormColor, true}) {}
  void TearDown() override {
    boxes.clear();
    panel.reset();
    CanvasFixture::TearDown();
  }

  // A box of w x h at (left, top) of the container (the form when null), not yet shown.
  TextBoxCustom& AddBox(int left, int top, int w, int h, const std::string& text,
                        GUIElement* container = nullptr) {
    boxes.push_back(std::make_unique<TextBoxCustom>(container ? container : form.get(), text));
    TextBoxCustom& box = *boxes.back();
    box.MoveTo(left, top);
    box.SetSize(w, h);
    box.SetBackColor(kBoxColor);
    return box;
  }

  Rect CellBox(TextBoxCustom& box, int cell) {
    const Point at = box.GetAbsolutePosition();
    const CellOffset offset =
        CellOrigin(box.GetModel().Grid(), cell, box.GetCellWidth(), box.GetLineHeight());
    return {at.x + offset.x, at.y + offset.y, box.GetCellWidth(), box.GetLineHeight()};
  }
  PixelRegion CellPixels(TextBoxCustom& box, int cell) {
    const Rect r = CellBox(box, cell);
    return PixelRegion(display(), form->GetWindow(), r.x, r.y, r.w, r.h);
  }
  int CellArea(TextBoxCustom& box) { return box.GetCellWidth() * box.GetLineHeight(); }
  void ClickCell(TextBoxCustom& box, int cell) {
    const Rect r = CellBox(box, cell);
    Click(form.get(), r.x + r.w / 2, r.y + r.h / 2);
    Pump(form.get());
  }
  void Type(const std::vector<KeySym>& keys) {
    for (KeySym key : keys) TypeKey(key);
    Pump(form.get());
  }

  std::unique_ptr<PanelChildren> panel;
  std::vector<std::unique_ptr<TextBoxCustom>> boxes;
};

TEST_F(TextBoxCustomTest, DrawsADoubleSunkenFrameGlyphCellsAndAYellowCaret) {
  TextBoxCustom& box = AddBox(20, 20, 200, 30, "ab");
  box.Show();
  box.SetFocus();
  // Outer ring white at top and left, black at right and bottom; the inner ring the reverse.
  EXPECT_EQ(At(100, 20), kWhite);
  EXPECT_EQ(At(20, 35), kWhite);
  EXPECT_EQ(At(219, 35), kBlack);
  EXPECT_EQ(At(100, 49), kBlack);
  EXPECT_EQ(At(100, 21), kBlack);
  EXPECT_EQ(At(21, 35), kBlack);
  EXPECT_EQ(At(218, 35), kWhite);
  EXPECT_EQ(At(100, 48), kWhite);
  EXPECT_EQ(At(22, 22), kBoxColor);

  EXPECT_GT(CellPixels(box, 0).Count(kBlack), 0);
  EXPECT_GT(CellPixels(box, 1).Count(kBlack), 0);
  EXPECT_EQ(CellPixels(box, 2).Count(kDefaultCaretColor), CellArea(box));
  EXPECT_EQ(CellPixels(box, 3).Count(kBoxColor), CellArea(box));

  box.LostFocus();
  EXPECT_EQ(CellPixels(box, 2).Count(kBoxColor), CellArea(box));
  box.SetBordered(false);
  box.Repaint();
  EXPECT_EQ(At(20, 20), kBoxColor);
  EXPECT_EQ(At(219, 49), kBoxColor);
}

TEST_F(TextBoxCustomTest, ADisabledBoxIsGreyAndTakesNoTyping) {
  TextBoxCustom& box = AddBox(20, 20, 200, 30, "ab");
  box.Show();
  box.SetFocus();
  box.Enable(false);
  PixelRegion inside(display(), form->GetWindow(), 22, 22, 196, 26);
  EXPECT_GT(inside.Count(kDisabledText), 0);
  EXPECT_EQ(inside.Count(kBlack), 0);
  EXPECT_EQ(inside.Count(kDefaultCaretColor), 0);
  EXPECT_EQ(inside.Count(kFallbackGrey) + inside.Count(kDisabledText), 196 * 26);
  EXPECT_FALSE(box.KeyChar('x'));
  box.SetReadOnly(true);
  box.Enable(true);
  EXPECT_FALSE(box.KeyChar('x'));
  EXPECT_EQ(box.GetText(), "ab");
  EXPECT_EQ(CellPixels(box, 2).Count(kDefaultCaretColor), 0);  // no caret when read-only
}

// The edit handler hears of each change of the text as it happens, and of nothing else: not
// of a caret move, a refused key, a key that changes nothing or a SetText of the same text.
TEST_F(TextBoxCustomTest, KeysTypedOnTheKeyboardEditTheBoxAndARefusedOneBeeps) {
  BeepCounter beeps;
  TextBoxCustom& box = AddBox(20, 20, 6 + 4 * 9 + 4, 30, "abc");
  std::vector<std::string> edits;
  box.SetOnEdit([&](TextBoxCustom& edited) { edits.push_back(edited.GetText()); });
  box.Show();
  ASSERT_EQ(box.GetModel().Grid().columns, 4) << "the cells are 9 pixels wide in this font";
  ClickCell(box, 1);
  EXPECT_TRUE(box.HasFocus());
  EXPECT_EQ(box.GetModel().Caret(), 1);
  Type({XK_x, XK_Escape, XK_Return, XK_Right, XK_y});
  EXPECT_EQ(box.GetText(), "axcy");
  EXPECT_EQ(box.GetModel().Caret(), 4);
  EXPECT_EQ(beeps.Count(), 0u);
  Type({XK_z});  // the fifth cell lies outside the box
  EXPECT_EQ(beeps.WaitFor(1), 1u);
  EXPECT_EQ(box.GetText(), "axcy");
  Type({XK_Left, XK_BackSpace});
  EXPECT_EQ(box.GetText(), "axy");
  EXPECT_EQ(CellPixels(box, 2).Count(kDefaultCaretColor) > 0, true);
  Pump(form.get(), 100);
  EXPECT_EQ(beeps.Count(), 1u);
  box.SetText("axy");
  box.SetText("new");
  EXPECT_EQ(edits, (std::vector<std::string>{"axc", "axcy", "axy", "new"}));
}

TEST_F(TextBoxCustomTest, AMultiLineBoxBreaksLinesAndInsertsFromTheKeyboard) {
  TextBoxCustom& box = AddBox(20, 20, 200, 60, "");
  box.SetMultiLine(true);
  box.Show();
  box.SetFocus();
  Type({XK_a, XK_b, XK_Return, XK_c, XK_d, XK_Up, XK_x});
  EXPECT_EQ(box.GetText(), "abx\rcd");
  const int columns = box.GetModel().Grid().columns;
  EXPECT_GT(CellPixels(box, columns).Count(kBlack), 0);      // "c" starts the second row
  EXPECT_GT(CellPixels(box, columns + 1).Count(kBlack), 0);  // "d"
  EXPECT_EQ(CellPixels(box, 3).Count(kDefaultCaretColor), CellArea(box));
  Type({XK_BackSpace, XK_Left, XK_Down});
  EXPECT_EQ(box.GetText(), "ab\rcd");
  EXPECT_EQ(box.GetModel().Caret(), 4);  // under "b": the "d" of the next line
}

TEST_F(TextBoxCustomTest, ADateBoxAddsItsSlashesAndRefusesLetters) {
  BeepCounter beeps;
  TextBoxCustom& box = AddBox(20, 20, 120, 30, "");
  box.SetDateMode(true);
  box.Show();
  box.SetFocus();
  Type({XK_2, XK_5, XK_1, XK_2, XK_2, XK_0, XK_2, XK_4, XK_a});
  EXPECT_EQ(box.GetText(), "25/12/2024");
  EXPECT_EQ(beeps.WaitFor(1), 1u);
}

TEST_F(TextBoxCustomTest, TypingOneCharacterRepaintsOnlyTheCellsThatChanged) {
  TextBoxCustom& shortBox = AddBox(20, 20, 200, 30, "ab");
  TextBoxCustom& longBox = AddBox(20, 70, 200, 30, "abcdefghijkl");
  shortBox.Show();
  longBox.Show();
  auto requestsToType = [&](TextBoxCustom& box) {
    box.SetFocus();
    const unsigned long before = XNextRequest(display());
    box.KeyChar('x');
    return XNextRequest(display()) - before;
  };
  // Cells the edit leaves alone keep a mark painted over them.
  const Rect before = CellBox(longBox, 3);
  const Rect after = CellBox(longBox, 16);
  {
    Painter painter(PaintTargetOf(form.get()));
    painter.FillRect(before.x, before.y, before.w + 1, before.h + 1, 0, 0, kMarker);
    painter.FillRect(after.x, after.y, after.w + 1, after.h + 1, 0, 0, kMarker);
  }
  // The same two cells change whatever the text before them: the typed one and the caret's.
  const unsigned long typingShort = requestsToType(shortBox);
  const unsigned long typingLong = requestsToType(longBox);
  EXPECT_EQ(typingShort, typingLong);
  EXPECT_EQ(CellPixels(longBox, 16).Count(kMarker), CellArea(longBox));
  EXPECT_EQ(CellPixels(longBox, 3).Count(kMarker), CellArea(longBox));
  EXPECT_GT(CellPixels(longBox, 12).Count(kBlack), 0);
  EXPECT_EQ(CellPixels(longBox, 13).Count(kDefaultCaretColor), CellArea(longBox));
}

TEST_F(TextBoxCustomTest, TypingInFrontOfTheWholeTextSendsNoMoreThanAFullPaint) {
  TextBoxCustom& box = AddBox(20, 20, 120, 60, "abcdefghijklmnopqrstuvw");
  box.SetMultiLine(true);
  box.Show();
  box.SetFocus();
  ClickCell(box, 0);
  const unsigned long beforeTyping = XNextRequest(display());
  box.KeyChar('x');
  const unsigned long typing = XNextRequest(display()) - beforeTyping;
  EXPECT_EQ(box.GetText(), "xabcdefghijklmnopqrstuvw");
  EXPECT_GT(CellPixels(box, 0).Count(kBlack), 0);
  EXPECT_GT(CellPixels(box, 23).Count(kBlack), 0);  // the "w", moved on by one
  const unsigned long beforePaint = XNextRequest(display());
  box.Paint();
  EXPECT_LE(typing, XNextRequest(display()) - beforePaint);
}

TEST_F(TextBoxCustomTest, EachGlyphIsAlignedInItsOwnCell) {
  TextBoxCustom& left = AddBox(20, 100, 100, 30, "M");
  TextBoxCustom& right = AddBox(140, 100, 100, 30, "M");
  TextBoxCustom& centred = AddBox(140, 140, 100, 30, "M");
  right.SetAlignRight(true);
  centred.SetAlignCenter(true);
  for (auto& box : boxes) box->Show();
  auto inkStart = [&](TextBoxCustom& box) {
    return CellPixels(box, 0).BoundsOf(kBlack).left - CellBox(box, 0).x;
  };
  // Glyphs 7 pixels wide in 9-pixel cells: 2 to spare, all on the left when right-aligned.
  EXPECT_EQ(inkStart(right) - inkStart(left), 2);
  EXPECT_EQ(inkStart(centred) - inkStart(left), 1);
}

TEST_F(TextBoxCustomTest, MovingOrResizingKeepsWhatWasTypedAndALowBoxGrowsToOneRow) {
  TextBoxCustom& box = AddBox(20, 20, 200, 30, "");
  box.Show();
  box.SetFocus();
  for (char ch : std::string("hey")) box.KeyChar(ch);
  box.SetPosition(20, 120);
  EXPECT_EQ(box.GetText(), "hey");
  EXPECT_EQ(At(100, 35), kFormColor);
  EXPECT_GT(CellPixels(box, 0).Count(kBlack), 0);

  box.SetSize(100, 5);
  EXPECT_EQ(box.GetHeight(), std::max(box.GetFont().GetFontSize() + 10, box.GetLineHeight() + 6));
  EXPECT_EQ(box.GetText(), "hey");
}

TEST_F(TextBoxCustomTest, APressInsideAPanelPutsTheCaretUnderThePointer) {
  panel = std::make_unique<PanelChildren>(form.get());
  panel->MoveTo(40, 60);
  panel->SetSize(220, 80);
  TextBoxCustom& box = AddBox(10, 20, 200, 30, "abcdef", panel.get());
  panel->Show();
  box.Show();
  ClickCell(box, 2);
  EXPECT_TRUE(box.HasFocus());
  EXPECT_EQ(box.GetModel().Caret(), 2);
  EXPECT_EQ(CellPixels(box, 2).Count(kDefaultCaretColor) > 0, true);
}

}  // namespace
