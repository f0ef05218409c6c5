// UTF-8 decoding, simple case mapping and display width for the runtime's
// string functions and the text tables.
//
// Text from outside may be malformed: a byte that does not start a valid
// sequence counts as one character of its own and passes through unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velkor::utf8 {

// One character: its code point and where its bytes lie in the text.
struct Char {
  char32_t code;
  std::size_t offset;
  std::size_t size;
};

// Decodes the character at `offset` (which must be < s.size()).
Char Decode(std::string_view s, std::size_t offset);

// Byte offsets of every character start, plus s.size() at the end.
std::vector<std::size_t> Offsets(std::string_view s);

void Append(std::string& out, char32_t code);

// Simple (one-to-one) case mapping of every script Unicode knows: "ș" and
// "Ș" map onto each other, the title-case "ǅ" goes up to "Ǆ" and down to "ǆ".
// Characters without case, and code points that are no characters, stay.
char32_t ToUpper(char32_t c);
char32_t ToLower(char32_t c);

// The Unicode version of the mapping and the widths ("15.0.0").
std::string_view UnicodeVersion();

// The columns a character takes in a terminal: 2 for East Asian wide and
// fullwidth characters, 0 for combining marks and control characters, 1 for
// the rest.
int ColumnWidth(char32_t c);
// The columns of a text; a malformed byte takes one.
std::size_t DisplayWidth(std::string_view s);

// Maps each well-formed character of `s`; malformed bytes are kept as they are.
std::string Map(std::string_view s, char32_t (*map)(char32_t));

}  // namespace velkor::utf8
