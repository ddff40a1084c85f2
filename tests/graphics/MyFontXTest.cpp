// Font descriptions: the pattern they ask the server for, and the fallback when it has no
// match.
#include <gtest/gtest.h>

#include "support/RecordingElements.h"
#include "support/TempDirectory.h"
#include "support/XServerFixture.h"
#include "tessarin/graphics/MyFont.h"

using namespace tessarin;

namespace {

class MyFontTest : public XServerFixture {};

TEST_F(MyFontTest, PatternsFollowFamilyWeightAndSize) {
  MyFont plain;
  EXPECT_EQ(plain.BuildFontName(), "-*-*-Medium-R-Normal--14-*");
  plain.SetBold(true);
  EXPECT_EQ(plain.BuildFontName(), "-*-*-Bold-R-Normal--14-*");
  MyFont family("misc-fixed", 13);
  EXPECT_EQ(family.BuildFontName(), "-misc-fixed-Medium-R-Normal--13-*");
}

TEST_F(MyFontTest, TheDefaultPatternLoadsAndItsSizeIsTheAscent) {
  MyFont font;
  XFontStruct* loaded = font.GetFontStruct(display());
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(font.IsLoaded());
  EXPECT_EQ(font.GetFontSize(), loaded->ascent);
  EXPECT_EQ(font.GetFontStruct(display()), loaded);  // loaded once, then kept
}

TEST_F(MyFontTest, AnUnmatchedPatternIsLoggedAndFallsBackToTheFixedFont) {
  LogCapture log;
  MyFont font("nosuchfoundry-nosuchfamily", 14);
  XFontStruct* loaded = font.GetFontStruct(display());
  EXPECT_EQ(log.Text(), "XLoadQueryFont failed\n");
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(font.IsLoaded());
  EXPECT_GT(loaded->ascent, 0);
}

TEST_F(MyFontTest, CopiesCarryTheDescriptionButNotTheLoadedFont) {
  MyFont original("misc-fixed", 13);
  original.SetBold(true);
  original.GetFontStruct(display());
  MyFont copy(original);
  EXPECT_FALSE(copy.IsLoaded());
  EXPECT_EQ(copy.GetFamily(), "misc-fixed");
  EXPECT_EQ(copy.GetSize(), 13);
  EXPECT_TRUE(copy.IsBold());
}

TEST_F(MyFontTest, TheSharedFontIsTheFirstFormsFont) {
  EXPECT_EQ(SharedFont(), nullptr);
  RecordingForm first(app.get(), nullptr);
  RecordingForm second(app.get(), nullptr);
  XFontStruct* shared = SharedFont();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared, first.GetFont().GetFontStruct(display()));
  EXPECT_FALSE(second.GetFont().IsLoaded());
}

}  // namespace
