// Path data of the small shapes drawn at single samples.
#pragma once

#include <cstdint>
#include <string>

namespace velkor::sim {

// A triangle for questionable, a square for substituted, a diamond for
// annotated values, centred on (x, y); nothing for any other bit.
void AppendStatusMarker(std::string& data, std::uint32_t bit, double x, double y);

// A full circle as two arcs.
void AppendDot(std::string& data, double x, double y, double radius);

}  // namespace velkor::sim
