// Trace colours that stay apart for the common forms of colour blindness.
#pragma once

#include <cstddef>
#include <string_view>

namespace velkor::sim {

struct TraceStyle {
  std::string_view colour;     // "#rrggbb"
  std::string_view dashArray;  // empty for a solid line
};

// The palette repeats after eight traces; each further round of it gets a
// dash pattern of its own so that traces of the same colour stay apart.
TraceStyle StyleForTrace(std::size_t index);

}  // namespace velkor::sim
