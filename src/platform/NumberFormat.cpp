#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "platform/Conversions.h"

namespace velkor {

namespace {

// Like the runtime, switch to exponent form below 1E-04 and from 1E+15 on.
constexpr int kMinFixedExponent = -4;
constexpr int kMaxFixedExponent = 14;

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, no leading or trailing zeros
  int exponent = 0;    // decimal exponent of the first digit
};

// Like the runtime, a Double becomes text with 15 significant digits: 0.1 +
// 0.2 gives "0.3", not the 17 digits that would read back exactly.
constexpr int kSignificantDigits = 15;

// `d` rounded to 15 significant digits (d finite and not zero).
Decimal Rounded(double d) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific,
                                    kSignificantDigits - 1);
  const std::string_view text(buf, static_cast<std::size_t>(result.ptr - buf));
  Decimal dec;
  const auto e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (c == '-') dec.negative = true;
    if (c >= '0' && c <= '9') dec.digits += c;
  }
  std::string_view exponent = text.substr(e + 1);
  if (exponent.front() == '+') exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), dec.exponent);
  while (dec.digits.size() > 1 && dec.digits.back() == '0') dec.digits.pop_back();
  return dec;
}

std::string Scientific(const Decimal& dec) {
  std::string out = dec.digits.substr(0, 1);
  if (dec.digits.size() > 1) out += "." + dec.digits.substr(1);
  const int magnitude = std::abs(dec.exponent);
  out += dec.exponent < 0 ? "E-" : "E+";
  out += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
  return out;
}

std::string Fixed(const Decimal& dec) {
  if (dec.exponent < 0) return "0." + std::string(-dec.exponent - 1, '0') + dec.digits;
  const auto whole = static_cast<std::size_t>(dec.exponent) + 1;
  if (dec.digits.size() <= whole) return dec.digits + std::string(whole - dec.digits.size(), '0');
  return dec.digits.substr(0, whole) + "." + dec.digits.substr(whole);
}

}  // namespace

std::string FormatDouble(double d) {
  if (std::isnan(d)) return "NaN";
  if (std::isinf(d)) return d < 0 ? "-Infinity" : "Infinity";
  if (d == 0) return "0";  // also for negative zero
  const Decimal dec = Rounded(d);
  const bool fixed = dec.exponent >= kMinFixedExponent && dec.exponent <= kMaxFixedExponent;
  return (dec.negative ? "-" : "") + (fixed ? Fixed(dec) : Scientific(dec));
}

}  // namespace velkor
