// The chart's rule for putting its traces into a new order.
//
// An order array holds one entry per place: entry k is the current 1-based
// position of the trace that is to stand at place k+1. Callers sometimes
// pass arrays with entries that are 0, out of range, repeated, or too few or
// too many; the chart never loses or duplicates a trace because of them:
//   1. the valid entries (1..count, each position only the first time it
//      occurs) take the first places, in the order they appear;
//   2. every trace no valid entry named follows, in its current order.
// So {2, 0, 2, 1} over three traces gives 2, 1, 3, and an empty array keeps
// the order as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/Variant.h"

namespace velkor::sim {

// The new order as 0-based current positions: result[k] is the trace that
// goes to place k+1. Always a permutation of 0..count-1.
std::vector<std::size_t> ReorderPermutation(std::size_t count,
                                            std::span<const std::int32_t> entries);

// The entries of an order array of any lower bound. Elements that are no
// whole number in range read as 0 (invalid). A value that is not an array
// raises Type mismatch (13).
std::vector<std::int32_t> OrderEntries(const Variant& order);

}  // namespace velkor::sim
