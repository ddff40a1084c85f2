// Line breaking and placement of text boxes, measured with a font of 7 pixels per character.
#include "tessarin/graphics/TextPlacement.h"

#include <gtest/gtest.h>

using namespace tessarin;

namespace {

constexpr int kCharWidth = 7;
constexpr int kLine = 15;

int FixedWidth(const std::string& text) {
  return static_cast<int>(text.size()) * kCharWidth;
}

std::vector<PlacedLine> Layout(TextBox box, const std::string& text) {
  return LayoutTextBox(box, text, kLine, FixedWidth);
}

std::vector<std::string> Texts(const std::vector<PlacedLine>& lines) {
  std::vector<std::string> texts;
  for (const PlacedLine& line : lines) texts.push_back(line.text);
  return texts;
}

TEST(TextPlacementTest, LineHeightIsAscentPlusOneButAtLeastFifteen) {
  EXPECT_EQ(TextLineHeight(13), 15);
  EXPECT_EQ(TextLineHeight(15), 15);
  EXPECT_EQ(TextLineHeight(16), 17);
}

TEST(TextPlacementTest, ASingleLineIsCentredVertically) {
  auto lines = Layout({10, 20, 0, 25, TextAlign::Left}, "Hi");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x, 10);
  EXPECT_EQ(lines[0].y, 20 + 15 + 5 - 1);  // baseline y + L + (h - L) / 2, drawn one above
}

TEST(TextPlacementTest, AlignmentPlacesASingleLine) {
  EXPECT_EQ(Layout({10, 0, 100, 20, TextAlign::Right}, "abc")[0].x, 10 + 100 - 21);
  EXPECT_EQ(Layout({10, 0, 100, 20, TextAlign::Center}, "abc")[0].x, 10 + (100 - 21) / 2);
  EXPECT_EQ(Layout({10, 0, 100, 20, TextAlign::Left}, "abc")[0].x, 10);
  // An empty line has no width to align by.
  EXPECT_EQ(Layout({10, 0, 100, 20, TextAlign::Right}, "")[0].x, 10);
}

TEST(TextPlacementTest, WithoutAWidthNothingIsAlignedOrWrapped) {
  auto lines = Layout({10, 0, 0, 40, TextAlign::Center}, "a rather long line");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].x, 10);
  EXPECT_EQ(lines[0].text, "a rather long line");
}

TEST(TextPlacementTest, WrapsAtTheBlankBeforeTheWordAndDropsAlignment) {
  // "Hello world" is 77 pixels, "Hello" 35.
  for (TextAlign align : {TextAlign::Left, TextAlign::Right, TextAlign::Center}) {
    auto lines = Layout({10, 0, 50, 60, align}, "Hello world");
    ASSERT_EQ(Texts(lines), (std::vector<std::string>{"Hello", "world"}))
        << static_cast<int>(align);
    EXPECT_EQ(lines[0].x, 10);
    EXPECT_EQ(lines[1].x, 10);
    EXPECT_EQ(lines[0].y, 14);  // no vertical centring once the text has several lines
    EXPECT_EQ(lines[1].y, 29);
  }
}

TEST(TextPlacementTest, NewlinesSplitAndEmptyLinesVanish) {
  auto lines = Layout({0, 0, 100, 60, TextAlign::Right}, "A\n\nB");
  ASSERT_EQ(Texts(lines), (std::vector<std::string>{"A", "B"}));
  // Lines split by a newline keep their alignment.
  EXPECT_EQ(lines[0].x, 100 - 7);
  EXPECT_EQ(lines[1].x, 100 - 7);
}

TEST(TextPlacementTest, AWordWiderThanTheBoxIsBrokenWhereItStopsFitting) {
  auto lines = Layout({0, 0, 30, 60, TextAlign::Left}, "abcdefghij");
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{"abcd", "efgh", "ij"}));
}

TEST(TextPlacementTest, ACutAfterANonLetterFallsWhereItFalls) {
  // The character cut off is a digit, so no blank is looked for.
  auto lines = Layout({0, 0, 30, 60, TextAlign::Left}, "ab 12345");
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{"ab 1", "2345"}));
}

TEST(TextPlacementTest, LinesStopWhereTheBoxIsUsedUp) {
  EXPECT_TRUE(Layout({0, 0, 100, 9, TextAlign::Left}, "text").empty());
  auto lines = Layout({0, 0, 100, 40, TextAlign::Left}, "one\ntwo\nthree\nfour");
  // 40 leaves room for two lines of 15 and a remainder of 10, which still takes a third.
  EXPECT_EQ(Texts(lines), (std::vector<std::string>{"one", "two", "three"}));
}

TEST(TextPlacementTest, ABoxNarrowerThanOneCharacterStillEnds) {
  auto lines = Layout({0, 0, 3, 50, TextAlign::Left}, "ab");
  EXPECT_EQ(lines.size(), 3u);  // one empty line per 15 pixels until the box is used up
  for (const PlacedLine& line : lines) EXPECT_EQ(line.text, "");
}

}  // namespace
