// gTraces: the thread's working array of trace records, shared by all
// controls of the thread. Its index range is 0 to n: the records stand at
// 1 to n in document order and index 0 holds an empty record nobody reads.
#pragma once

#include <cstdint>
#include <vector>

#include "model/TraceOrder.h"

namespace velkor {

// Starts with the range 0 to 0: no records.
extern thread_local std::vector<TraceOrder> gTraces;

// The array's upper bound, which callers take as the record count (loop from
// 1 to it). An array emptied by hand counts as no records.
std::int32_t TracesUBound();

// Re-creates the array with the range 0 to `n`, every record empty.
void ResetTraces(std::int32_t n);

}  // namespace velkor
