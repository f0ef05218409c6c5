// Text of an import file as messages show it. Files handed to an import may
// be in another encoding or not text at all; a message must not copy their
// raw bytes (or a whole megabyte field) to the terminal.
#pragma once

#include <string>
#include <string_view>

namespace velkor::sim::csv {

// True when every byte sequence of `text` is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// The text in single quotes, with control characters and bytes that are not
// UTF-8 written as \xNN, cut after `maxChars` characters with "...".
std::string ShownText(std::string_view text, std::size_t maxChars = 60);

}  // namespace velkor::sim::csv
