#include "platform/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <variant>
#include <vector>

#include "unit/platform/RaisedNumber.h"

namespace velkor {
namespace {

using platform_test::PlainObject;
using platform_test::RaisedNumber;
using platform_test::ValueObject;

struct Fails {
  std::int32_t number;
};

template <class T>
struct Row {
  Variant in;
  std::variant<T, Fails> out;
};

template <class T, class Convert>
void CheckRows(const std::vector<Row<T>>& rows, Convert convert) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE("row " + std::to_string(i) + " (" + rows[i].in.TypeName() + ")");
    if (const auto* fails = std::get_if<Fails>(&rows[i].out)) {
      EXPECT_EQ(RaisedNumber([&] { convert(rows[i].in); }), fails->number);
    } else {
      EXPECT_EQ(convert(rows[i].in), std::get<T>(rows[i].out));
    }
  }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Variant Cell(Variant v) {
  return std::make_shared<ValueObject>(std::move(v));
}
Variant Array() {
  return SafeArray(std::vector<Variant>{1, 2});
}

// Values every conversion refuses the same way.
template <class T>
std::vector<Row<T>> Refused() {
  return {{Variant::Null(), Fails{94}},      {Variant::Missing(), Fails{13}},
          {ErrorValue{2015}, Fails{13}},     {Array(), Fails{13}},
          {Variant::Nothing(), Fails{91}},   {std::make_shared<PlainObject>(), Fails{438}},
          {Cell(Variant::Null()), Fails{94}}};
}

template <class T>
std::vector<Row<T>> With(std::vector<Row<T>> rows) {
  auto refused = Refused<T>();
  rows.insert(rows.end(), refused.begin(), refused.end());
  return rows;
}

TEST(PlatformConversions, CStrOfEachSubtype) {
  CheckRows<std::string>(With<std::string>({
                             {Variant(), ""},
                             {true, "True"},
                             {false, "False"},
                             {std::int16_t{-5}, "-5"},
                             {std::int32_t{2147483647}, "2147483647"},
                             {2.5, "2.5"},
                             {0.1 + 0.2, "0.3"},
                             {DateValue{46363.25}, "12/7/2026 6:00:00 AM"},
                             {"abc", "abc"},
                             {Cell("x"), "x"},
                             {Cell(7), "7"},
                             {DateValue{1e9}, Fails{6}},
                         }),
                         CStr);
}

TEST(PlatformConversions, CBoolOfEachSubtype) {
  CheckRows<bool>(With<bool>({
                      {Variant(), false},
                      {true, true},
                      {std::int16_t{0}, false},
                      {7, true},
                      {0.0, false},
                      {-0.5, true},
                      {DateValue{0}, false},
                      {"True", true},
                      {" false ", false},
                      {"TRUE", true},
                      {"0", false},
                      {"2.5", true},
                      {"yes", Fails{13}},
                      {"", Fails{13}},
                      {Cell(1), true},
                  }),
                  CBool);
}

TEST(PlatformConversions, CIntRoundsHalfToEvenAndChecksRange) {
  using I = std::int16_t;
  CheckRows<I>(With<I>({
                   {Variant(), I{0}},     {true, I{-1}},
                   {false, I{0}},         {I{32767}, I{32767}},
                   {32768, Fails{6}},     {-32768, I{-32768}},
                   {0.5, I{0}},           {1.5, I{2}},
                   {2.5, I{2}},           {3.5, I{4}},
                   {-2.5, I{-2}},         {-3.5, I{-4}},
                   {2.5000001, I{3}},     {32767.4, I{32767}},
                   {32767.5, Fails{6}},   {-32768.5, I{-32768}},
                   {-32768.6, Fails{6}},  {kNaN, Fails{6}},
                   {kInf, Fails{6}},      {-kInf, Fails{6}},
                   {1e300, Fails{6}},     {DateValue{1.75}, I{2}},
                   {"12", I{12}},         {" 12 ", I{12}},
                   {"1,234", I{1234}},    {"2.5", I{2}},
                   {"&HFFFF", I{-1}},     {"&H7FFF", I{32767}},
                   {"&H10000", Fails{6}}, {"1e400", Fails{6}},
                   {"abc", Fails{13}},    {"", Fails{13}},
                   {Cell("3"), I{3}},
               }),
               CInt);
}

TEST(PlatformConversions, CLngLimits) {
  using L = std::int32_t;
  CheckRows<L>(With<L>({
                   {Variant(), L{0}},
                   {true, L{-1}},
                   {std::int16_t{-7}, L{-7}},
                   {2147483646.5, L{2147483646}},
                   {2147483647.49, L{2147483647}},
                   {2147483647.5, Fails{6}},
                   {-2147483648.5, L{-2147483648}},
                   {-2147483649.0, Fails{6}},
                   {kNaN, Fails{6}},
                   {DateValue{46363.5}, L{46364}},
                   {"&HFFFFFFFF", L{-1}},
                   {"&H80000000", L{-2147483647 - 1}},
                   {"&H123456789", Fails{6}},
                   {"4294967296", Fails{6}},
                   {"-17.5", L{-18}},
                   {"1 2", Fails{13}},
               }),
               CLng);
}

TEST(PlatformConversions, CDblOfEachSubtype) {
  CheckRows<double>(With<double>({
                        {Variant(), 0.0},
                        {true, -1.0},
                        {std::int16_t{3}, 3.0},
                        {40000, 40000.0},
                        {DateValue{1.5}, 1.5},
                        {"1.5", 1.5},
                        {"-1e-3", -0.001},
                        {"1D2", 100.0},
                        {"1e400", Fails{6}},
                        {"1e-400", 0.0},
                        {"abc", Fails{13}},
                        {"12/7/2026", Fails{13}},
                    }),
                    CDbl);
}

TEST(PlatformConversions, CDateOfEachSubtypeKeepsTheRuntimeRange) {
  const auto serialOf = [](const Variant& v) { return CDate(v).serial; };
  CheckRows<double>(With<double>({
                        {Variant(), 0.0},
                        {DateValue{46363.25}, 46363.25},
                        {46363.25, 46363.25},
                        {1, 1.0},
                        {true, -1.0},
                        {-657434.99, -657434.99},
                        {2958465.99, 2958465.99},
                        {-657435.0, Fails{6}},
                        {2958466.0, Fails{6}},
                        {kNaN, Fails{6}},
                        {-kInf, Fails{6}},
                        {"12/7/2026 6:00:00 AM", 46363.25},
                        {"abc", Fails{13}},
                        {"1/1/10000", Fails{13}},
                        {"45000", Fails{13}},
                    }),
                    serialOf);
}

// The text keeps 15 significant digits: it reads back as the nearest Double
// to those digits, not always as the Double it came from.
TEST(PlatformConversions, DoubleTextReadsBackToFifteenDigits) {
  std::vector<double> values{
      0.1,    0.2 + 0.1, 1.0 / 3.0,           2.0 / 3.0 * 1e20,  123456.789e-12,
      1e-310, -5e-324,   1.7976931348623e308, 9007199254740993.0};
  std::uint64_t bits = 0x3FF0000000000001ull;
  for (int i = 0; i < 200; ++i) {
    bits = bits * 6364136223846793005ull + 1442695040888963407ull;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) values.push_back(d);
  }
  for (double d : values) {
    SCOPED_TRACE(FormatDouble(d));
    EXPECT_NEAR(CDbl(CStr(d)), d, std::fabs(d) * 5e-15 + 5e-324);
  }
  for (const char* text : {"0.3", "0.1", "123456789012345", "1.5E-07", "4.94065645841247E-324"})
    EXPECT_EQ(CStr(CDbl(Variant(std::string(text)))), text);
}

TEST(PlatformConversions, DateTextReadsBack) {
  for (double serial = -657434.0; serial < 2958466.0; serial += 7919.123456789) {
    const double whole = std::round(serial * 86400.0) / 86400.0;
    SCOPED_TRACE(FormatDate(DateValue{whole}));
    EXPECT_NEAR(CDate(CStr(DateValue{whole})).serial, whole, 0.5 / 86400.0);
  }
}

}  // namespace
}  // namespace velkor
