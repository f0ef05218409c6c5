#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/Conversions.h"

namespace velkor {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// 15 significant digits, as the runtime converts a Double to text; never
// the 17 digits that would read back exactly.
TEST(PlatformNumberText, FormatsFifteenSignificantDigitsInTheRuntimeLayout) {
  const std::vector<std::pair<double, std::string>> rows{
      {0.0, "0"},
      {-0.0, "0"},
      {1.0, "1"},
      {-2.5, "-2.5"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {-2.0 / 3.0, "-0.666666666666667"},
      {1.1 * 1.1, "1.21"},
      {100.0, "100"},
      {1e14, "100000000000000"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1E+15"},  // rounding carries into the exponent form
      {1e15, "1E+15"},
      {1234567890123456.0, "1.23456789012346E+15"},
      {0.0001, "0.0001"},
      {0.00012, "0.00012"},
      {0.000099999999999999999, "0.0001"},
      {1e-5, "1E-05"},
      {-1.5e-7, "-1.5E-07"},
      {1e100, "1E+100"},
      {-1.7976931348623157e308, "-1.79769313486232E+308"},
      {5e-324, "4.94065645841247E-324"},
      {std::numeric_limits<double>::quiet_NaN(), "NaN"},
      {kInf, "Infinity"},
      {-kInf, "-Infinity"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(FormatDouble(value), text) << text;
}

TEST(PlatformNumberText, ParsesNumbersAsTheRuntimeReadsThem) {
  const std::vector<std::pair<std::string, double>> rows{
      {"12", 12},
      {" 12 ", 12},
      {"\t12", 12},
      {"+3", 3},
      {"-3.5", -3.5},
      {".5", 0.5},
      {"5.", 5},
      {"1e3", 1000},
      {"1E+3", 1000},
      {"1.5e-2", 0.015},
      {"1D2", 100},
      {"1,000", 1000},
      {"1,000.25", 1000.25},
      {"&H1F", 31},
      {"&hff", 255},
      {"&HFFFF", -1},
      {"&H8000", -32768},
      {"&H10000", 65536},
      {"&HFFFFFFFF", -1},
      {"&H0000000001", 1},
      {"&O17", 15},
      {"&H7FFF&", 32767},
      {"1e400", kInf},
      {"-1e400", -kInf},
      {"1e-400", 0},
      {"0.000e999999999", 0},
      {std::string(400, '9'), kInf},
      {"0." + std::string(400, '0') + "1", 0},
      // Signs and the currency as an en-US text writes them.
      {"- 5", -5},
      {"$5", 5},
      {" $ 1,234.5 ", 1234.5},
      {"-$5", -5},
      {"$-5", -5},
      {"(5)", -5},
      {"( $1e3 )", -1000},
      {"5-", -5},
      {"1,234-", -1234},
      {"5+", 5},
  };
  for (const auto& [text, value] : rows) {
    const auto parsed = ParseNumber(text);
    ASSERT_TRUE(parsed.has_value()) << text.substr(0, 40);
    EXPECT_EQ(*parsed, value) << text.substr(0, 40);
  }
}

TEST(PlatformNumberText, RejectsTextThatIsNoNumber) {
  for (const std::string text :
       {"",      " ",   "abc",  "1e",  "1e+", "1.2.3", "--1",   "+-1",  ",5",  "1 2",      "&H",
        "&HG",   "&O8", ".",    "-",   "$",   "5%",    "1_000", "0x10", "NaN", "Infinity", "1e3.5",
        "12abc", "()",  "(-5)", "-5-", "+-5", "$-+5",  "(5",    "5)",   "5 -", "--$5"}) {
    EXPECT_FALSE(ParseNumber(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace velkor
