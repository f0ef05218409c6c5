// The small tokens of a time text: blanks, signs, words and decimal numbers.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace velkor::sim::timetext {

bool IsBlank(char c);
bool IsSign(char c);
bool IsLetter(char c);
std::string_view TrimBlanks(std::string_view s);
// The position of the first non-blank at or after `pos`.
std::size_t SkipBlanks(std::string_view s, std::size_t pos);
// The run of ASCII letters that starts at `pos`.
std::string_view WordAt(std::string_view s, std::size_t pos);

struct Decimal {
  double value;
  std::size_t length;  // characters read
};
// A decimal number without sign or exponent at `pos`: "12", "1.5", ".5".
// nullopt when none starts there. Very long digit runs give a large finite
// value or an infinity; callers check the range of what they compute.
std::optional<Decimal> ReadDecimal(std::string_view s, std::size_t pos);

}  // namespace velkor::sim::timetext
