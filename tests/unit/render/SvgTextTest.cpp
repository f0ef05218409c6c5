#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "parts/render/SvgText.h"

namespace velkor::sim {
namespace {

TEST(SvgText, EscapesMarkupAndBothQuotes) {
  EXPECT_EQ(XmlText(R"(a<b>&"c'd)"), "a&lt;b&gt;&amp;&quot;c&apos;d");
  EXPECT_EQ(XmlText("&amp;"), "&amp;amp;");
}

TEST(SvgText, DropsCharactersXmlForbidsAndKeepsLineBreaksAsReferences) {
  EXPECT_EQ(XmlText(std::string("a\0b\x01\x1b\x7f", 6)), "ab\x7f");
  EXPECT_EQ(XmlText("1\t2\n3\r"), "1&#9;2&#10;3&#13;");
  EXPECT_EQ(XmlText("x\xEF\xBF\xBEy\xEF\xBF\xBF"), "xy");  // U+FFFE, U+FFFF
}

TEST(SvgText, ReplacesMalformedUtf8AndKeepsWellFormedText) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(XmlText("a\xFF"
                    "b"),
            "a" + replacement + "b");
  EXPECT_EQ(XmlText("\xC3"), replacement);                                      // cut-off sequence
  EXPECT_EQ(XmlText("\xED\xA0\x80"), replacement + replacement + replacement);  // surrogate
  const std::string text =
      "Ofen 3 \xC2\xB0"
      "C \xE2\x80\x93 \xE6\xB8\xA9\xE5\xBA\xA6 \xF0\x9F\x94\xA5";
  EXPECT_EQ(XmlText(text), text);
}

TEST(SvgText, NumbersAreCompactAndAlwaysFinite) {
  struct Case {
    double value;
    const char* text;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {12.5, "12.5"},    {3.0, "3"},     {-0.001, "0"},         {-0.0, "0"},
      {1.0 / 3, "0.33"}, {-2.999, "-3"}, {100.126, "100.13"},   {std::nan(""), "0"},
      {inf, "0"},        {-inf, "0"},    {1e300, "1000000000"}, {-1e300, "-1000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(Number(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace velkor::sim
