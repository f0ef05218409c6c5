// The offsets that follow the anchor of a time text: "+N" or "-N" with a unit
// s, m, h, d or w, blanks allowed around each part.
#pragma once

#include <string_view>

namespace velkor::sim::timetext {

// The sum of the offsets in `offsets`, in days. Raises Type mismatch (13)
// naming `fullText` and the first part that is not an offset.
double ReadOffsets(std::string_view fullText, std::string_view offsets);

}  // namespace velkor::sim::timetext
