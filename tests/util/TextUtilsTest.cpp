// The text and number helpers on the examples the rest of the program relies on.
#include "tessarin/util/TextUtils.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace tessarin;

namespace {

using Fields = std::vector<std::string>;

TEST(TextUtils, IntToStringPadsBeforeTheSignAndNeverCuts) {
  EXPECT_EQ(IntToString(7, '0', 2), "07");
  EXPECT_EQ(IntToString(123, '0', 2), "123");
  EXPECT_EQ(IntToString(-5, '0', 3), "0-5");
  EXPECT_EQ(IntToString(42, ' ', 0), "42");
  EXPECT_EQ(ToString(LONG_MIN), "-9223372036854775808");
  EXPECT_EQ(PadLeft("ab", '*', 4), "**ab");
}

TEST(TextUtils, HexByteIsTwoUpperCaseDigitsOfTheLowByte) {
  EXPECT_EQ(HexByte(10), "0A");
  EXPECT_EQ(HexByte(255), "FF");
  EXPECT_EQ(HexByte(256), "00");
  EXPECT_EQ(HexByte(0x1234), "34");
}

TEST(TextUtils, TrimRemovesSpaceOfEveryKindAtTheEndsOnly) {
  EXPECT_EQ(Trim("  \n\t \r\n"), "");
  EXPECT_EQ(Trim(" \ta b\n"), "a b");
  EXPECT_EQ(TrimRight("  a \n"), "  a");
  EXPECT_EQ(Trim(""), "");
}

TEST(TextUtils, CaseChangesEveryLetterAndLeavesOtherBytes) {
  EXPECT_EQ(ToUpper("aZ9-\xe0"), "AZ9-\xe0");
  EXPECT_EQ(ToLower("AbC!"), "abc!");
}

TEST(TextUtils, SplitKeepsInnerAndLeadingEmptyFieldsButNoTrailingOne) {
  EXPECT_EQ(Split("aplay Data/beep.wav", " "), (Fields{"aplay", "Data/beep.wav"}));
  EXPECT_EQ(Split("a  b", " "), (Fields{"a", "", "b"}));
  EXPECT_EQ(Split("a b ", " "), (Fields{"a", "b"}));
  EXPECT_EQ(Split(" a", " "), (Fields{"", "a"}));
  EXPECT_EQ(Split("a::b", "::"), (Fields{"a", "b"}));
  EXPECT_TRUE(Split("", " ").empty());
  EXPECT_TRUE(Split("abc", "").empty());
}

TEST(TextUtils, ReplaceAllReplacesEveryOccurrence) {
  EXPECT_EQ(ReplaceAll("c:\\dir\\pic.bmp", "\\", "/"), "c:/dir/pic.bmp");
  EXPECT_EQ(ReplaceAll("abcabc", "bc", ""), "aa");
  EXPECT_EQ(ReplaceChar("a.b.c", '.', ','), "a,b,c");
}

TEST(TextUtils, ReplaceAllWithAnEmptyPatternChangesNothing) {
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(TextUtils, ReplaceAllWhoseReplacementHoldsThePatternMakesOneForwardPass) {
  EXPECT_EQ(ReplaceAll("aba", "a", "aa"), "aabaa");
  EXPECT_EQ(ReplaceAll("x", "x", "<x>"), "<x>");
}

// Replacements that create new occurrences are replaced again, as when every search starts
// from the beginning of the text.
TEST(TextUtils, ReplaceAllKeepsTheResultOfSearchingAgainFromTheStart) {
  EXPECT_EQ(ReplaceAll("aab", "ab", "b"), "b");
  EXPECT_EQ(ReplaceAll("aaab", "ab", "b"), "b");
  EXPECT_EQ(ReplaceAll("abab", "ab", "ba"), "bbaa");
  EXPECT_EQ(ReplaceAll("a//////b", "//", "/"), "a/b");
}

TEST(TextUtils, Latin1ToUtf8KeepsAsciiAndWidensTheUpperHalfToTwoBytes) {
  EXPECT_EQ(Latin1ToUtf8("Tessarin - Info..."), "Tessarin - Info...");
  EXPECT_EQ(Latin1ToUtf8("Caff\xE8 \xA9"), "Caff\xC3\xA8 \xC2\xA9");
  EXPECT_EQ(Latin1ToUtf8(std::string("\x7F\x80\xFF\0", 4)),
            std::string("\x7F\xC2\x80\xC3\xBF\0", 6));
}

// A name from outside is UTF-8: the core font takes its Latin-1 letters as single bytes, the
// terminal takes it as it is but for what could drive it, and a cut never halves a letter.
TEST(TextUtils, Utf8TextBecomesLatin1OrPrintableWithAQuestionMarkForWhatCannotShow) {
  struct Case {
    std::string utf8, latin1, printable;
  };
  const Case cases[] = {
      {"Zo\xC3\xAB \xC3\x85nsgar", "Zo\xEB \xC5nsgar", "Zo\xC3\xAB \xC3\x85nsgar"},
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF", "\xC2\xA0\xC3\xBF"},  // the ends of Latin-1
      {"\xE2\x82\xAC \xF0\x9F\x98\x80", "? ?", "\xE2\x82\xAC \xF0\x9F\x98\x80"},  // beyond it
      {"\x1B]0;t\x07\x7F", "\x1B]0;t\x07\x7F", "?]0;t??"},                        // C0 and DEL
      {"\xC2\x9Bm", "\x9Bm", "?m"},                                               // a C1 control
      {"\x9B\xFF\xC3.", "???.", "???."},  // stray, never, cut short
      // An overlong "/", a surrogate and a code point past U+10FFFF: each byte a "?".
      {"\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80", "?? ??? ????", "?? ??? ????"},
      {"\xE2\x82", "??", "??"},  // cut off at the end
  };
  for (const Case& test : cases) {
    EXPECT_EQ(Utf8ToLatin1(test.utf8), test.latin1) << test.utf8;
    EXPECT_EQ(PrintableUtf8(test.utf8), test.printable) << test.utf8;
  }
}

TEST(TextUtils, CutUtf8EndsBetweenTwoCharacters) {
  const std::string name = "ab\xC3\xA9\xE2\x82\xAC";  // a, b, e acute (2 bytes), euro (3)
  const std::pair<std::size_t, std::string> cases[] = {
      {9, name},         {7, name}, {6, "ab\xC3\xA9"}, {5, "ab\xC3\xA9"},
      {4, "ab\xC3\xA9"}, {3, "ab"}, {2, "ab"},         {0, ""}};
  for (const auto& [limit, cut] : cases) EXPECT_EQ(CutUtf8(name, limit), cut) << limit;
}

}  // namespace
