#include "platform/VbString.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Utf8.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor::vb {
namespace {

using platform_test::RaisedNumber;

TEST(PlatformVbString, LenCountsCharacters) {
  const std::vector<std::pair<std::string, std::int32_t>> rows{
      {"", 0},  {"abc", 3},      {"äöü", 3},  {"Привет", 6},   {"日本", 2},
      {"😀", 1}, {"\xff\xfe", 2}, {"\xd0", 1}, {"\xe2\x82", 2}, {"\xc0\xaf", 2},
  };
  for (const auto& [s, n] : rows) EXPECT_EQ(Len(s), n) << s;
}

TEST(PlatformVbString, TrimRemovesBlanksOnly) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xc2\xa0x"), "\xc2\xa0x");  // no-break space stays
  EXPECT_EQ(LTrim("  a  "), "a  ");
  EXPECT_EQ(RTrim("  a  "), "  a");
}

TEST(PlatformVbString, InStrFindsCharacterPositions) {
  struct Case {
    std::int32_t start;
    std::string s, find;
    bool text;
    std::int32_t result;
  };
  const std::vector<Case> cases{
      {1, "abcabc", "c", false, 3},
      {4, "abcabc", "c", false, 6},
      {7, "abcabc", "c", false, 0},
      {1, "abc", "", false, 1},
      {4, "abc", "", false, 4},
      {5, "abc", "", false, 0},
      {1, "", "", false, 0},
      {1, "", "a", false, 0},
      {1, "abc", "abcd", false, 0},
      {1, "Привет мир", "мир", false, 8},
      {1, "Привет МИР", "мир", false, 0},
      {1, "Привет МИР", "мир", true, 8},
      {1, "ABC", "b", true, 2},
      {2, "ııı", "I", true, 2},           // folding changes byte lengths
      {1, "\xc2\xbc", "\xbc", false, 0},  // no hit inside a character
      {1, "straße", "SS", true, 0},       // simple case mapping only
      {3, "äbä", "ä", false, 3},
      {2, "ääb", "b", false, 3},
      {1, "\xc2\xbc\xbc", "\xbc", false, 2},  // the lone byte after the character
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InStr(c.start, c.s, c.find, c.text), c.result) << c.s << " / " << c.find;
  }
  EXPECT_EQ(InStr("hello", "l"), 3);
  EXPECT_EQ(RaisedNumber([] { InStr(0, "abc", "a"); }), 5);
  EXPECT_EQ(RaisedNumber([] { InStr(-1, "abc", "a"); }), 5);
}

TEST(PlatformVbString, MidLeftRightCountCharacters) {
  EXPECT_EQ(Mid("Hello", 2, 3), "ell");
  EXPECT_EQ(Mid("Hello", 2), "ello");
  EXPECT_EQ(Mid("Hello", 6), "");
  EXPECT_EQ(Mid("Hello", 10, 2), "");
  EXPECT_EQ(Mid("Hello", 1, 0), "");
  EXPECT_EQ(Mid("Hello", 1, 100), "Hello");
  EXPECT_EQ(Mid("Привет", 2, 3), "рив");
  EXPECT_EQ(Left("Привет", 2), "Пр");
  EXPECT_EQ(Right("Привет", 2), "ет");
  EXPECT_EQ(Left("abc", 0), "");
  EXPECT_EQ(Left("abc", 100), "abc");
  EXPECT_EQ(Right("abc", 100), "abc");
  EXPECT_EQ(Right("a😀", 1), "😀");
  for (auto call : std::vector<void (*)()>{[] { Mid("abc", 0); }, [] { Mid("abc", 1, -2); },
                                           [] { Left("abc", -1); }, [] { Right("abc", -1); }}) {
    EXPECT_EQ(RaisedNumber(call), 5);
  }
}

TEST(PlatformVbString, CaseMappingCoversEveryScript) {
  const std::vector<std::pair<std::string, std::string>> upper{
      {"abcxyz 1-2_3", "ABCXYZ 1-2_3"},
      {"àéîõüÿøþ", "ÀÉÎÕÜŸØÞ"},
      {"привет ёж ђџ", "ПРИВЕТ ЁЖ ЂЏ"},
      {"ĳňŵžſı", "ĲŇŴŽSI"},
      {"ßŉĸ÷", "ßŉĸ÷"},  // no single capital: they stay
      {"αβγ ςσ άώ", "ΑΒΓ ΣΣ ΆΏ"},
      {"ѣҕӂӑԯ", "ѢҔӁӐԮ"},
      {"ștefan ţ", "ȘTEFAN Ţ"},      // Latin Extended-B, Romanian
      {"ǆ ǅ ǳ", "Ǆ Ǆ Ǳ"},            // digraphs, the title case too
      {"ạ ỹ ơ", "Ạ Ỹ Ơ"},            // Vietnamese
      {"բարի", "ԲԱՐԻ"},              // Armenian
      {"ａｂｃ", "ＡＢＣ"},          // fullwidth Latin
      {"\U00010428", "\U00010400"},  // Deseret, four bytes each
      {"µ", "\u039C"},               // the micro sign's capital is Greek Mu
      {"漢字 ｶﾅ", "漢字 ｶﾅ"},        // no case
      {"\xff"
       "a\xc3",
       "\xff"
       "A\xc3"},
  };
  for (const auto& [lower, up] : upper) EXPECT_EQ(UCase(lower), up) << lower;
  EXPECT_EQ(LCase("ÀÉÎÕÜŸØÞ"), "àéîõüÿøþ");
  EXPECT_EQ(LCase("ПРИВЕТ ЁЖ ЂЏ"), "привет ёж ђџ");
  EXPECT_EQ(LCase("ΣİĲ×"), "σiĳ×");
  EXPECT_EQ(LCase("ȘTEFAN Ǆ ǅ"), "ștefan ǆ ǆ");
}

TEST(PlatformVbString, CaseMappingIsStable) {
  // Upper case is its own upper case, so two names that match keep matching
  // once one of them is stored in upper case; ASCII maps by its own rule.
  const auto code = [](char32_t c) { return static_cast<std::uint32_t>(c); };
  for (char32_t c = 0; c <= 0x1FFFF; ++c) {
    const char32_t up = utf8::ToUpper(c);
    EXPECT_EQ(code(utf8::ToUpper(up)), code(up)) << std::hex << code(c);
    if (c < 0x80) {
      const bool letter = (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
      EXPECT_EQ(code(up), letter ? code(c & ~0x20u) : code(c)) << std::hex << code(c);
      EXPECT_EQ(code(utf8::ToLower(c)), letter ? code(c | 0x20) : code(c)) << std::hex << code(c);
    }
  }
}

TEST(PlatformVbString, DisplayWidthCountsTerminalColumns) {
  struct Row {
    const char* fact;
    std::string text;
    std::size_t columns;
  };
  const Row rows[] = {
      {"ASCII", "flow 2", 6},
      {"Latin, Greek, Cyrillic", "Ștefan Ωж", 9},
      {"CJK ideographs are wide", "温度计", 6},
      {"fullwidth forms are wide", "ＡＢ", 4},
      {"halfwidth katakana are not", "ｶﾅ", 2},
      {"Hangul syllables are wide", "한국", 4},
      {"a combining mark takes none", "e\u0301", 1},
      {"an emoji is wide", "\U0001F600", 2},
      {"a malformed byte takes one", "a\xff", 2},
      {"nothing", "", 0},
  };
  for (const Row& row : rows) EXPECT_EQ(utf8::DisplayWidth(row.text), row.columns) << row.fact;
}

TEST(PlatformVbString, CompareTextIgnoresCase) {
  struct Case {
    std::string a, b;
    int result;
  };
  const std::vector<Case> cases{
      {"abc", "ABC", 0},     {"a", "B", -1},      {"B", "a", 1},           {"", "", 0},
      {"a", "", 1},          {"", "a", -1},       {"ёж", "ЁЖ", 0},         {"Straße", "STRASSE", 1},
      {"Äpfel", "äPFEL", 0}, {"\xff", "\xff", 0}, {"abc", "abcd", -1},     {"Ștefan", "ȘTEFAN", 0},
      {"ǅ", "ǆ", 0},         {"ǅ", "Ǆ", 0},       {"Ｔａｇ", "ＴＡＧ", 0}, {"abcä", "ABCÄ", 0},
      {"abc", "abä", -1},    {"_", "a", 1},       {"a[", "A{", -1},        {"ab\xff", "AB\xff", 0},
      {"\xe0", "À", 0},  // a lone byte reads as its Latin-1 letter
  };
  for (const auto& c : cases) EXPECT_EQ(CompareText(c.a, c.b), c.result) << c.a << " / " << c.b;
  EXPECT_TRUE(EqualsText("Server1", "SERVER1"));
}

TEST(PlatformVbString, FoldKeysMatchExactlyWhenTheTextsCompareEqual) {
  const std::vector<std::string> texts{"abc", "ABC", "aBc",  "abd", "ёж", "ЁЖ", "Äpfel", "äPFEL",
                                       "ı",   "I",   "\xe0", "À",   "à",  "",   "ab\xff"};
  for (const auto& a : texts)
    for (const auto& b : texts)
      EXPECT_EQ(FoldKey(a) == FoldKey(b), EqualsText(a, b)) << a << " / " << b;
}

TEST(PlatformVbString, ReplaceEveryOccurrence) {
  EXPECT_EQ(Replace("a.b.c", ".", "::"), "a::b::c");
  EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
  EXPECT_EQ(Replace("abc", "", "x"), "abc");
  EXPECT_EQ(Replace("abc", "x", "y"), "abc");
  EXPECT_EQ(Replace("", "a", "b"), "");
  EXPECT_EQ(Replace("aXa", "a", ""), "X");
}

}  // namespace
}  // namespace velkor::vb
