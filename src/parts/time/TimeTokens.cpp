#include "parts/time/TimeTokens.h"

#include <charconv>
#include <limits>

namespace velkor::sim::timetext {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t DigitsAt(std::string_view s, std::size_t pos) {
  std::size_t end = pos;
  while (end < s.size() && IsDigit(s[end])) ++end;
  return end - pos;
}

}  // namespace

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsSign(char c) {
  return c == '+' || c == '-';
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view TrimBlanks(std::string_view s) {
  std::size_t first = SkipBlanks(s, 0);
  std::size_t last = s.size();
  while (last > first && IsBlank(s[last - 1])) --last;
  return s.substr(first, last - first);
}

std::size_t SkipBlanks(std::string_view s, std::size_t pos) {
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
  return pos;
}

std::string_view WordAt(std::string_view s, std::size_t pos) {
  std::size_t end = pos;
  while (end < s.size() && IsLetter(s[end])) ++end;
  return s.substr(pos, end - pos);
}

std::optional<Decimal> ReadDecimal(std::string_view s, std::size_t pos) {
  const std::size_t whole = DigitsAt(s, pos);
  std::size_t length = whole;
  if (pos + length < s.size() && s[pos + length] == '.') {
    const std::size_t fraction = DigitsAt(s, pos + length + 1);
    if (fraction > 0) length += 1 + fraction;
  }
  if (length == 0) return std::nullopt;
  double value = 0.0;
  const char* first = s.data() + pos;
  const auto [end, ec] = std::from_chars(first, first + length, value);
  if (ec == std::errc::result_out_of_range) {
    // Without an exponent only a huge whole part or a tiny fraction gets here.
    const bool huge = s.substr(pos, whole).find_first_not_of('0') != std::string_view::npos;
    value = huge ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return Decimal{value, static_cast<std::size_t>(end - first)};
}

}  // namespace velkor::sim::timetext
