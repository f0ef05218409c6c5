#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Conversions.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor {
namespace {

using platform_test::RaisedNumber;
using platform_test::ValueObject;

Variant Cell(Variant v) {
  return std::make_shared<ValueObject>(std::move(v));
}

TEST(PlatformCompare, FollowsTheVariantRules) {
  struct Case {
    Variant a;
    Variant b;
    bool text;
    std::optional<int> result;
  };
  const std::vector<Case> cases{
      {1, 2, false, -1},
      {2.5, std::int16_t{2}, false, 1},
      {true, -1, false, 0},
      {DateValue{1}, 1.0, false, 0},
      {"a", "b", false, -1},
      {"a", "A", false, 1},
      {"a", "A", true, 0},
      {"abc", "abd", false, -1},
      {"ab", "abc", false, -1},
      {"ёж", "ЁЖ", true, 0},
      {"é", "É", true, 0},
      {"é", "z", false, 1},  // code point order
      {5, "5", false, -1},   // a number is less than any String
      {"5", 5, false, 1},
      {"", 0, false, 1},
      {DateValue{46363}, "12/7/2026", false, -1},
      {Variant(), 0, false, 0},
      {Variant(), -1, false, 1},
      {Variant(), "", false, 0},
      {Variant(), "a", false, -1},
      {Variant(), Variant(), false, 0},
      {Variant::Null(), 1, false, std::nullopt},
      {1, Variant::Null(), false, std::nullopt},
      {Variant::Null(), Variant::Null(), false, std::nullopt},
      {std::numeric_limits<double>::quiet_NaN(), 1, false, std::nullopt},
      {Cell(5), 5, false, 0},
      {Cell("x"), "X", true, 0},
      {Cell(Variant::Null()), 1, false, std::nullopt},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto& c = cases[i];
    EXPECT_EQ(Compare(c.a, c.b, c.text), c.result) << "case " << i;
    EXPECT_EQ(VarEquals(c.a, c.b, c.text), c.result == 0) << "case " << i;
  }
}

TEST(PlatformCompare, ValuesWithoutAScalarFormRaise) {
  const std::vector<std::pair<Variant, std::int32_t>> cases{
      {Variant::Nothing(), 91},
      {Variant::Missing(), 13},
      {ErrorValue{2015}, 13},
      {SafeArray(std::vector<Variant>{1}), 13},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RaisedNumber([&] { Compare(c.first, 1); }), c.second) << c.first.TypeName();
    EXPECT_EQ(RaisedNumber([&] { Compare(1, c.first); }), c.second) << c.first.TypeName();
  }
}

}  // namespace
}  // namespace velkor
