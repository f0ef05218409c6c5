// One line of comma-separated values. A field may be quoted with '"'; inside
// quotes a comma is text and a doubled quote is one quote. A quoted field
// cannot run over several lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkor::sim::csv {

struct SplitLine {
  std::vector<std::string> fields;
  std::string error;  // empty when the line split cleanly
};

SplitLine SplitCsvLine(std::string_view line);

// The text without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

}  // namespace velkor::sim::csv
