// The anchor at the start of a time text: the point in time that the offsets
// after it count from.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/Variant.h"

namespace velkor::sim::timetext {

struct Anchor {
  DateValue date;
  std::size_t length;  // characters of the text it took; 0 when none is written
};

// Reads the anchor at the start of `text` (which has no leading blanks):
// "*", "t", "today", "y", "yesterday", an absolute date or a date serial.
// A text that starts with a sign has no anchor and counts from `now`.
// nullopt when the text starts with something that is none of these.
std::optional<Anchor> ReadAnchor(std::string_view text, DateValue now);

}  // namespace velkor::sim::timetext
