// The errors a time text raises, each naming the text and what is wrong.
#pragma once

#include <string_view>

namespace velkor::sim::timetext {

// Type mismatch (13): 'Invalid time "<text>": <reason>'.
[[noreturn]] void RaiseBadTime(std::string_view text, std::string_view reason);
// Overflow (6): the text reads, but its date lies outside the years 100..9999.
[[noreturn]] void RaiseTimeOutOfRange(std::string_view text);

}  // namespace velkor::sim::timetext
