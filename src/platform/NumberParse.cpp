#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>

#include "platform/Conversions.h"

namespace velkor {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// "&H1F" / "&O17": four hex digits make an Integer and eight a Long, so
// "&HFFFF" is -1 as in the runtime; more is out of any range.
std::optional<double> ParseRadix(std::string_view digits, int base) {
  if (!digits.empty() && digits.back() == '&') digits.remove_suffix(1);  // Long suffix
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  std::uint64_t value = 0;
  const auto* end = digits.data() + digits.size();
  const auto result = std::from_chars(digits.data(), end, value, base);
  if (digits.empty() || result.ptr != end) return std::nullopt;
  if (result.ec == std::errc::result_out_of_range || value > 0xFFFFFFFFu) {
    return std::numeric_limits<double>::infinity();
  }
  if (value <= 0xFFFFu) return static_cast<std::int16_t>(value);
  return static_cast<std::int32_t>(value);
}

// The text as from_chars reads it: sign, digits without thousands separators,
// point, exponent. Also works out roughly where the first significant digit
// lies, so that an out-of-range result can tell overflow from underflow.
struct CleanNumber {
  std::string text;
  std::int64_t order = 0;
  bool negative = false;
};

bool ReadExponent(std::string_view s, std::size_t& i, CleanNumber& out) {
  out.text += 'e';
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (negative) out.text += '-';
  const auto start = i;
  std::int64_t exponent = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    out.text += s[i];
    exponent = std::min<std::int64_t>(exponent * 10 + (s[i] - '0'), 1'000'000'000);
  }
  out.order += negative ? -exponent : exponent;
  return i > start;
}

std::optional<CleanNumber> Clean(std::string_view s) {
  CleanNumber out;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) out.negative = s[i++] == '-';
  if (out.negative) out.text += '-';
  int digits = 0;
  std::int64_t significantWhole = 0;
  std::int64_t leadingFractionZeros = 0;
  std::int64_t fractionDigits = 0;
  for (; i < s.size() && (IsDigit(s[i]) || (s[i] == ',' && digits > 0)); ++i) {
    if (s[i] == ',') continue;
    ++digits;
    out.text += s[i];
    if (significantWhole > 0 || s[i] != '0') ++significantWhole;
  }
  if (i < s.size() && s[i] == '.') {
    out.text += s[i++];
    bool significant = false;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits, ++fractionDigits) {
      out.text += s[i];
      significant = significant || s[i] != '0';
      if (!significant) ++leadingFractionZeros;
    }
  }
  if (digits == 0) return std::nullopt;
  const bool allZero = significantWhole == 0 && leadingFractionZeros == fractionDigits;
  out.order = significantWhole > 0 ? significantWhole : -leadingFractionZeros;
  if (allZero) out.order = std::numeric_limits<std::int32_t>::min();  // zero never overflows
  if (i < s.size() && std::string_view("eEdD").find(s[i]) != std::string_view::npos) {
    if (!ReadExponent(s, ++i, out)) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return out;
}

// Takes a leading `c` and the blanks after it off `s`.
bool SkipLeading(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s = TrimBlanks(s.substr(1));
  return true;
}

// The ways an en-US text writes a sign and a currency around a number, as the
// runtime reads them: "- 5", "$5", "-$5", "$-5", "(5)" and "5-" (both -5),
// "5+". Gives the number with at most a leading '-', or nullopt for a text
// that has two signs.
std::optional<std::string> PlainSign(std::string_view s) {
  const bool parenthesized = s.size() >= 2 && s.front() == '(' && s.back() == ')';
  if (parenthesized) s = TrimBlanks(s.substr(1, s.size() - 2));
  bool negative = false;
  bool signed_ = false;
  const auto takeSign = [&] {
    if (signed_) return;
    if (SkipLeading(s, '-')) signed_ = negative = true;
    if (!signed_ && SkipLeading(s, '+')) signed_ = true;
  };
  takeSign();
  SkipLeading(s, '$');
  takeSign();
  if (!signed_ && !s.empty() && (s.back() == '-' || s.back() == '+')) {
    signed_ = true;
    negative = s.back() == '-';
    s.remove_suffix(1);
  }
  if ((parenthesized && signed_) || s.starts_with('-') || s.starts_with('+')) return std::nullopt;
  return (parenthesized || negative ? "-" : "") + std::string(s);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  if (trimmed.size() > 2 && trimmed[0] == '&') {
    const char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(trimmed[1])));
    if (radix == 'H') return ParseRadix(trimmed.substr(2), 16);
    if (radix == 'O') return ParseRadix(trimmed.substr(2), 8);
  }
  const auto s = PlainSign(trimmed);
  if (!s) return std::nullopt;
  const auto clean = Clean(*s);
  if (!clean) return std::nullopt;
  double value = 0;
  const auto* end = clean->text.data() + clean->text.size();
  const auto result = std::from_chars(clean->text.data(), end, value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small to represent reads as zero; too large reads as infinity,
    // which the conversions report as Overflow.
    value = clean->order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return clean->negative ? -value : value;
  }
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

}  // namespace velkor
