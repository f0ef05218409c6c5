// Which traces share a value scale. A trace whose own range is more than ten
// times narrower than the range it would share is a flat line there, so the
// traces then get scales of their own: traces of the same unit (or all
// without one) share a scale while their ranges stay alike; two units never
// share one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "parts/render/ValueAxis.h"

namespace velkor::sim {

// What the grouping needs to know of one trace.
struct ScaleInput {
  ValueExtent extent;  // the values the picture shows of it
  std::string unit;    // empty: none
};

struct ScaleGroup {
  std::vector<std::size_t> traces;  // positions in the input, ascending
  ValueExtent extent;               // of all its traces
};

// One group for all traces while every trace spans at least a tenth of the
// range they share; otherwise groups in the order of their first trace.
// There is always a group, and traces without values are in none.
// Deterministic: the same input always gives the same groups.
std::vector<ScaleGroup> GroupScales(const std::vector<ScaleInput>& traces);

// For each trace, the position of its group; the first for a trace without
// values.
std::vector<std::size_t> ScaleOfEachTrace(const std::vector<ScaleGroup>& groups,
                                          std::size_t traceCount);

}  // namespace velkor::sim
