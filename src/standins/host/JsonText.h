// Parsing JSON text that anyone may have written: workbook files and
// scenarios. The library's own parser keeps each object's keys in a list it
// searches per key, so an object of n keys takes n² steps to read; this one
// indexes the keys of the objects still open and reads in linear time. It
// also refuses nesting that would exhaust the stack of whoever walks the
// result, and reports every fault in its own words, with its place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "standins/host/VariantJson.h"

namespace velkor::sim::json {

// Deeper than anything a workbook or a scenario needs, shallow enough for
// any recursive walk of the result.
inline constexpr std::size_t kMaxDepth = 64;

// Throws FileFormatError at "byte N" for text that is not JSON or holds a
// number no double can hold, and at the JSON path of the first value nested
// deeper than `maxDepth` containers. A key repeated in one object keeps its
// first place and takes the last value.
Json Parse(std::string_view text, std::size_t maxDepth = kMaxDepth);

// Adds a member to `object` without looking for the key among those it has
// (which takes time in their number): for keys known to be distinct.
void Append(Json& object, std::string key, Json value);

}  // namespace velkor::sim::json
